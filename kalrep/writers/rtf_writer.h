#pragma once
// RTF: a table of bordered cells. Each row is written in two passes: first the
// row and cell definitions (borders, background, right edge of each cell),
// then the cell texts in their font colour and justification.
#include "kalrep/writers/export_writer.h"

namespace bv {

class ExportFile;

class RtfWriter : public ExportWriter {
 public:
  RtfWriter(ExportFile& file, std::vector<int> widths);
  bool begin() override;
  bool row(const std::vector<WriterCell>& cells, const RowStyle& style, int rowNumber) override;
  bool freeLine(const QString& text, QChar justification, const RowStyle& style,
                int rowNumber) override;
  bool finish(int rowCount) override;

  // The text with the Spanish letters and RTF's special characters escaped and
  // quotes written as typographic quotes, opening and closing in turn.
  static QByteArray escaped(const QString& text);

 private:
  // Pass 1 for one cell; `first` adds the row definition before it.
  static void appendDefinition(QByteArray& out, bool first, int background, long rightEdge);
  // Pass 2 for one cell.
  static void appendText(QByteArray& out, const QString& text, QChar justification, int colour);

  ExportFile& file_;
  std::vector<int> widths_;
};

}  // namespace bv
