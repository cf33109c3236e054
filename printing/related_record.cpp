#include "printing/related_record.h"

#include "storage/managers/file_manager.h"

namespace bv {

void fetchOrClear(FileManager& table, const char* field, const FieldValue& value, const QString& key) {
  Record& r = table.buffer();
  r.clear();
  r.setValue(field, value);
  if (table.tryFetch(table.keyDef(key)) != kLevelBenign) r.clear();
}

}  // namespace bv
