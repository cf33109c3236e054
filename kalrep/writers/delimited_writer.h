#pragma once
// Delimited text: one line per row, cells separated by the delimiter, texts in
// the quote character (numbers bare), CR LF after each row.
#include "kalrep/writers/export_writer.h"

namespace bv {

class ExportFile;

class DelimitedWriter : public ExportWriter {
 public:
  // quote and delimiter without trailing blanks; an empty one is left out.
  // oem: values converted to the OEM character set.
  DelimitedWriter(ExportFile& file, QString quote, QString delimiter, bool oem);
  bool row(const std::vector<WriterCell>& cells, const RowStyle& style, int rowNumber) override;

  // Appends one cell as it is written, without its delimiter.
  void appendCell(QByteArray& out, const WriterCell& cell) const;

 private:
  ExportFile& file_;
  QString quote_;
  QString delimiter_;
  QByteArray quoteBytes_;
  QByteArray delimiterBytes_;
  bool oem_;
  QByteArray line_;  // kept between rows for its storage
};

}  // namespace bv
