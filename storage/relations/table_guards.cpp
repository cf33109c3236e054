#include "storage/relations/table_guards.h"

#include <algorithm>

namespace bv {

TablesInUse::~TablesInUse() {
  for (auto it = opened_.rbegin(); it != opened_.rend(); ++it) (*it)->close();
}

int TablesInUse::ensure(FileManager& table) {
  if (table.openCount() > 0) return kLevelBenign;
  const int level = table.tryOpen();
  if (level == kLevelBenign) opened_.push_back(&table);
  return level;
}

int readStoredRecord(FileManager& table, RecordPosition position, Record& out) {
  if (const int level = table.use(); level != kLevelBenign) return kRecordNotAvailable;
  KeyedFile& f = table.file();
  const FileState kept = f.state();
  out = Record(table.table());
  const int code = f.reget(position, out);
  f.restoreState(kept);
  return code;
}

}  // namespace bv
