#pragma once
// HTML: a centred table, one <TR> per row and one <TD nowrap> per cell, each
// row with its background colour and each cell's text in its font colour;
// free lines span all columns.
#include "kalrep/writers/export_writer.h"

namespace bv {

class ExportFile;

class HtmlWriter : public ExportWriter {
 public:
  HtmlWriter(ExportFile& file, kal::Colour pageColour, int visibleColumns);
  bool begin() override;
  bool row(const std::vector<WriterCell>& cells, const RowStyle& style, int rowNumber) override;
  bool freeLine(const QString& text, QChar justification, const RowStyle& style,
                int rowNumber) override;
  bool finish(int rowCount) override;

  // The text with the Spanish letters as entities and the markup characters
  // "&", "<" and ">" escaped.
  static QString escaped(const QString& text);

 private:
  // The cell's text in its font colour and justification, inside <TD>.
  void appendCell(QByteArray& out, const QString& text, QChar justification, const RowStyle& style,
                  bool freeLine) const;
  void appendRowStart(QByteArray& out, kal::Colour background) const;

  ExportFile& file_;
  kal::Colour pageColour_;
  int visibleColumns_;
};

}  // namespace bv
