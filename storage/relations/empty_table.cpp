#include "storage/relations/empty_table.h"

#include "storage/relations/integrity_transaction.h"

namespace bv {

int emptyTable(FileManager& table, IntegrityFailure& failure) {
  if (const int level = table.setPosition(nullptr, FileEdge::Start); level != kLevelBenign)
    return failure.at(table, level);
  for (;;) {
    const int level = table.tryNext();
    if (level != kLevelBenign) return table.endOfFile() ? kLevelBenign : failure.at(table, level);
    if (const int deleted = table.deleteRecord(false); deleted != kLevelBenign) return failure.at(table, deleted);
  }
}

}  // namespace bv
