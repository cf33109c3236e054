#pragma once
// One relation of a table as its relation manager keeps it.
//
// The side that owns a relation holds the other table's key, the actions taken
// when an owner record changes or goes, and the field pairs that link the two
// (this table's field, the other table's field). The other side registers the
// owner without key: it takes part in opening and closing, never in integrity.
#include <vector>

#include "storage/dictionary/field_def.h"
#include "storage/dictionary/key_def.h"

namespace bv {

class RelationManager;

enum class RelationAction : int { None = 0, Clear = 1, Restrict = 2, Cascade = 3 };

struct FieldPair {
  const FieldDef* mine = nullptr;   // of the table whose manager holds the relation
  const FieldDef* other = nullptr;  // of the other table
};

struct Relation {
  RelationManager* other = nullptr;
  // Only on the owning side: the other table's key the pairs lead into.
  const KeyDef* key = nullptr;
  RelationAction onUpdate = RelationAction::None;
  RelationAction onDelete = RelationAction::None;
  std::vector<FieldPair> pairs;

  bool owned() const { return key != nullptr; }
};

}  // namespace bv
