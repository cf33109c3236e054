#include "masterdata/related_record.h"

#include "storage/managers/file_managers.h"
#include "storage/relations/linked_value.h"

namespace bv {

void readByCode(FileManager& other, const QString& key, const QString& field, const FieldValue& code) {
  Record& buffer = other.buffer();
  const FieldDef* def = other.table().field(field);
  const auto value = def ? linkedValue(code, *def) : std::nullopt;
  buffer.clear();
  if (!value) return;
  buffer.setValue(*def, *value);
  if (other.tryFetch(other.keyDef(key)) != kLevelBenign) buffer.clear();
}

}  // namespace bv
