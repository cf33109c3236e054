#include "storage/relations/linked_records.h"

#include "storage/relations/linked_value.h"

namespace bv {

std::optional<std::vector<LinkedField>> linkedFields(const Relation& relation, const Record& owner) {
  std::vector<LinkedField> out;
  for (const FieldPair& p : relation.pairs) {
    auto value = linkedValue(owner.value(p.mine->number), *p.other);
    if (!value) return std::nullopt;
    out.push_back({p.other, std::move(*value)});
  }
  return out;
}

bool linkChanged(const Relation& relation, const Record& before, const Record& after) {
  for (const FieldPair& p : relation.pairs)
    if (before.value(p.mine->number) != after.value(p.mine->number)) return true;
  return false;
}

int collectLinked(FileManager& table, const KeyDef& key, const std::vector<LinkedField>& linked,
                  std::vector<RecordPosition>& positions) {
  Record& b = table.buffer();
  // Components past the linked ones start at their lowest value, so the walk
  // begins before every record that holds the linked values.
  clearRecord(b, ClearValue::Lowest);
  for (const LinkedField& l : linked)
    if (b.setValue(*l.field, l.value) != SetResult::Stored) return kLevelBenign;
  if (const int level = table.setPosition(key); level != kLevelBenign) return level;
  for (;;) {
    const int level = table.tryNext();
    if (level == kLevelNotice && table.endOfFile()) return kLevelBenign;
    if (level != kLevelBenign) return level;
    for (const LinkedField& l : linked)
      if (b.value(*l.field) != l.value) return kLevelBenign;
    if (!table.skipRecord()) positions.push_back(table.position());
  }
}

}  // namespace bv
