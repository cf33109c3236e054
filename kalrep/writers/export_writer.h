#pragma once
// One output format of a file export. The process worker hands each writer
// whole rows of cell texts (already formatted, aligned and without trailing
// blanks); the writer turns them into its format and writes them.
#include <QChar>
#include <QString>
#include <vector>

#include "kalrep/kal_types.h"

namespace bv {

struct WriterColumn {
  int width = 0;        // list units, the column's width in the layout
  int fieldLength = 0;  // the width of its picture (a DBF field's length)
  QString heading;
};

struct WriterCell {
  QString text;
  QChar type = u'S';           // the picture's type letter: "N" is numeric
  QChar justification = u'L';  // "L", "R" or "C"
};

// The colours of the row being written.
struct RowStyle {
  bool heading = false;  // a heading row: heading colours
  kal::Colour textColour = 0;
  kal::Colour backColour = 0;
  bool omitColour = false;  // leave data rows uncoloured (spreadsheet)
};

class ExportWriter {
 public:
  virtual ~ExportWriter() = default;
  // Writes what goes before the first row; false when it cannot be written.
  virtual bool begin() { return true; }
  // Rows that the file already held before this export (DBF appending).
  virtual int recordsAlreadyWritten() const { return 0; }
  // True when the format has data records only: no heading row, no free lines,
  // and its row count counts records alone.
  virtual bool recordsOnly() const { return false; }
  // One row of the visible columns, in order; rowNumber counts every row written
  // so far, this one included.
  virtual bool row(const std::vector<WriterCell>& cells, const RowStyle& style, int rowNumber) = 0;
  // A free line spanning all columns.
  virtual bool freeLine(const QString& text, QChar justification, const RowStyle& style,
                        int rowNumber) {
    return true;
  }
  // Writes the trailer; rowCount as for row().
  virtual bool finish(int rowCount) { return true; }
};

}  // namespace bv
