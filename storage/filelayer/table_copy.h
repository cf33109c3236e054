#pragma once
// Copies a data directory's tables from one layer to another: from its files
// to a database server and back. Each table is copied in one transaction, its
// records in position order (so that a table without keys reads in the same
// order afterwards); auto-number placeholders are left behind. Tables kept per
// station (the label work file) are not the directory's data and stay.
#include <QString>
#include <vector>

#include "storage/filelayer/file_layer.h"

namespace bv {

class TableCopy {
 public:
  TableCopy(FileLayer& from, FileLayer& to) : from_(from), to_(to) {}

  // The tables that hold a directory's data: every table of the dictionary but
  // the aliases and those kept per station.
  static std::vector<const TableDef*> dataTables();

  // Looks for a table whose target already holds records: `occupied` is set to
  // it (nullptr when every target is empty). Answers 0 or the file code of the
  // failure.
  int findOccupied(const TableDef*& occupied);
  // Copies one table's records into its (empty) target in one transaction; a
  // table missing from the source is made empty in the target. Answers 0 or the
  // file code of the failure, with nothing of the table kept then.
  int copy(const TableDef& table, qint64& copied);

 private:
  FileLayer& from_;
  FileLayer& to_;
};

}  // namespace bv
