#pragma once
// DBF (dBASE III table): a 32-byte header, one 32-byte descriptor per column
// (all character fields), records of fixed length and an end-of-file byte. An
// existing table is appended to: its record count is kept and added to.
#include "kalrep/writers/export_writer.h"

namespace bv {

class ExportFile;

class DbfWriter : public ExportWriter {
 public:
  // create: a new table; otherwise the file's table is appended to (a file
  // without any bytes gets a new table).
  DbfWriter(ExportFile& file, std::vector<WriterColumn> columns, bool create);
  bool begin() override;
  int recordsAlreadyWritten() const override { return existing_; }
  bool recordsOnly() const override { return true; }
  bool row(const std::vector<WriterCell>& cells, const RowStyle& style, int rowNumber) override;
  bool finish(int rowCount) override;

  static constexpr char kEndOfFile = 0x1A;
  static constexpr char kHeaderEnd = 0x0D;

 private:
  bool writeNewTable();
  bool openExistingTable();

  ExportFile& file_;
  std::vector<WriterColumn> columns_;
  bool create_;
  int existing_ = 0;
  int recordLength_ = 1;
};

}  // namespace bv
