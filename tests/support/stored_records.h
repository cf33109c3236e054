#pragma once
// Records written straight into a table's file and read back in file order,
// past the windows, for the tests that set up and check tables.
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "storage/managers/file_managers.h"

namespace bv::test {

// Writes one record straight into the table's file.
inline void putRecord(FileManagers& files, const char* table, const std::function<void(Record&)>& fill) {
  FileManager& m = files[QString::fromLatin1(table)];
  ASSERT_EQ(m.open(), kLevelBenign);
  ASSERT_EQ(m.use(), kLevelBenign);  // opened lazily: physically now
  Record record(m.table());
  record.clear();
  fill(record);
  EXPECT_EQ(m.file().add(record), kFileOk) << table;
  m.close();
}

// A table's records in file order.
inline std::vector<Record> storedRecords(FileManagers& files, const char* table) {
  FileManager& m = files[QString::fromLatin1(table)];
  std::vector<Record> out;
  EXPECT_EQ(m.open(), kLevelBenign);
  m.setPosition(nullptr, FileEdge::Start);
  while (m.tryNext() == kLevelBenign) out.push_back(m.buffer());
  m.close();
  return out;
}

}  // namespace bv::test
