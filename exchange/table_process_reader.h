#pragma once
// A report process's reader over one table, in the order of one of its keys
// (or in record order), through the table's file manager. Every call enters
// the procedure's execution context, since the progress window's timer calls
// it from the event loop.
#include "runtime/context.h"
#include "shell/report_process/process_reader.h"

namespace bv {

class FileManager;
struct KeyDef;

class TableProcessReader : public ProcessReader {
 public:
  // `order` may be null (record order). The table is opened at the first reset.
  TableProcessReader(FileManager& table, const KeyDef* order, ContextId context);
  ~TableProcessReader() override;

  void reset() override;
  int next() override;
  qint64 recordCount() const override;
  qint64 fileSize() const override;
  qint64 recordSize() const override;
  void close() override;

 private:
  FileManager& table_;
  const KeyDef* order_;
  ContextId context_;
  bool opened_ = false;
  bool failed_ = false;  // the table could not be opened (its message shown)
};

}  // namespace bv
