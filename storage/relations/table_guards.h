#pragma once
// Guards that an integrity operation puts around the tables it reaches.
#include <vector>

#include "storage/managers/file_manager.h"

namespace bv {

// Keeps a table's position and record buffer in the calling context and puts
// them back at the end, so a cascade never leaves a window of the same context
// another current record.
class KeptTableState {
 public:
  explicit KeptTableState(FileManager& table) : table_(table), id_(table.saveFile()) {}
  ~KeptTableState() { table_.restoreFile(id_, true); }
  KeptTableState(const KeptTableState&) = delete;
  KeptTableState& operator=(const KeptTableState&) = delete;

 private:
  FileManager& table_;
  int id_;
};

// Tables an operation reaches that the calling context has not opened are
// opened for the operation and closed again when it ends.
class TablesInUse {
 public:
  TablesInUse() = default;
  ~TablesInUse();
  TablesInUse(const TablesInUse&) = delete;
  TablesInUse& operator=(const TablesInUse&) = delete;

  // Counts an open when the context has none; answers the open's level.
  int ensure(FileManager& table);

 private:
  std::vector<FileManager*> opened_;
};

// Reads the stored record at `position` into `out` without moving the table's
// cursor or touching its buffer and change detection. Answers a file code.
int readStoredRecord(FileManager& table, RecordPosition position, Record& out);

}  // namespace bv
