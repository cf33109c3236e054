#pragma once
// Finding the records of a table that a relation links to an owner record.
#include <vector>

#include "storage/managers/file_manager.h"
#include "storage/relations/relation.h"

namespace bv {

// One linked field and the value its records must hold.
struct LinkedField {
  const FieldDef* field = nullptr;
  FieldValue value;
};

// The values the other table's fields must hold to belong to `owner` (a record
// of the owning table or of one with its layout); nullopt when some owner value
// has no linked value, so that no record can belong to it.
std::optional<std::vector<LinkedField>> linkedFields(const Relation& relation, const Record& owner);

// Did any owner field of the relation change between the two records?
bool linkChanged(const Relation& relation, const Record& before, const Record& after);

// Walks `key` of `table` from the linked values (the key's leading components)
// until the first record that does not hold them, and collects the positions of
// the records that do, leaving out those the manager's skip test passes over.
// The walk uses the table's buffer and cursor of the calling context; callers
// keep them (KeptTableState). Answers 0, or the failed read's level with its
// message stored in the manager.
int collectLinked(FileManager& table, const KeyDef& key, const std::vector<LinkedField>& linked,
                  std::vector<RecordPosition>& positions);

}  // namespace bv
