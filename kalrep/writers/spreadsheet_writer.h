#pragma once
// The spreadsheet output: every cell is set through the automation object's
// statements (its text, fill colour, pattern and font colour), free lines are
// merged across all columns, and at the end the columns are fitted, the table
// is given borders and the workbook is saved under the file name.
#include "kalrep/writers/export_writer.h"

namespace bv {

class Automation;

class SpreadsheetWriter : public ExportWriter {
 public:
  SpreadsheetWriter(Automation& sheet, QString fileName, int visibleColumns);
  bool row(const std::vector<WriterCell>& cells, const RowStyle& style, int rowNumber) override;
  bool freeLine(const QString& text, QChar justification, const RowStyle& style,
                int rowNumber) override;
  // False when the workbook could not be saved.
  bool finish(int rowCount) override;

 private:
  // Sets the text and, unless left out, the colours of one cell ("A" + row).
  bool setCell(const QString& column, const QString& row, const QString& text,
               const RowStyle& style);
  bool assign(const QString& property, const QString& value);
  bool send(const QString& statement);

  Automation& sheet_;
  QString fileName_;
  QString lastColumn_;
  std::vector<QString> letters_;  // the visible columns' letters
  QString property_;              // kept between cells for its storage
};

}  // namespace bv
