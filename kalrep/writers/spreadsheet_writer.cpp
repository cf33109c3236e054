#include "kalrep/writers/spreadsheet_writer.h"

#include "kalrep/colour_codes.h"
#include "kalrep/column_descriptor.h"
#include "runtime/automation/automation.h"
#include "runtime/automation/cell_address.h"

namespace bv {
namespace {

QString range(const QString& cell) {
  return QStringLiteral("Application.Range(\"") + cell + QStringLiteral("\")");
}

}  // namespace

SpreadsheetWriter::SpreadsheetWriter(Automation& sheet, QString fileName, int visibleColumns)
    : sheet_(sheet), fileName_(std::move(fileName)), lastColumn_(columnLetters(visibleColumns)) {
  for (int i = 1; i <= visibleColumns; ++i) letters_.push_back(columnLetters(i));
}

bool SpreadsheetWriter::assign(const QString& property, const QString& value) {
  return sheet_.assign(property, value);
}

bool SpreadsheetWriter::send(const QString& statement) { return sheet_.send(statement); }

bool SpreadsheetWriter::setCell(const QString& column, const QString& row, const QString& text,
                                const RowStyle& style) {
  const auto set = [&](QLatin1StringView item, const QString& value) {
    property_.resize(0);
    property_ += QLatin1StringView("Application.Range(\"");
    property_ += column;
    property_ += row;
    property_ += QLatin1StringView("\").");
    property_ += item;
    return assign(property_, value);
  };
  if (!set(QLatin1StringView("FormulaR1C1"), text)) return false;
  if (style.omitColour && !style.heading) return true;
  return set(QLatin1StringView("Interior.ColorIndex"),
             QString::number(kal::spreadsheetColourIndex(style.backColour))) &&
         set(QLatin1StringView("Interior.Pattern"), QStringLiteral("1")) &&
         set(QLatin1StringView("Font.ColorIndex"),
             QString::number(kal::spreadsheetColourIndex(style.textColour)));
}

bool SpreadsheetWriter::row(const std::vector<WriterCell>& cells, const RowStyle& style,
                            int rowNumber) {
  const QString row = QString::number(rowNumber);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const QString column = i < letters_.size() ? letters_[i] : columnLetters(int(i) + 1);
    if (!setCell(column, row, cells[i].text, style)) return false;
  }
  return true;
}

bool SpreadsheetWriter::freeLine(const QString& text, QChar, const RowStyle& style, int rowNumber) {
  const QString row = QString::number(rowNumber);
  return send(range(QStringLiteral("A") + row + u':' + lastColumn_ + row) +
              QStringLiteral(".Select")) &&
         send(QStringLiteral("Application.Selection.Merge")) &&
         setCell(QStringLiteral("A"), row, text, style);
}

bool SpreadsheetWriter::finish(int rowCount) {
  send(QStringLiteral("Application.Columns(\"A:") + lastColumn_ +
       QStringLiteral("\").EntireColumn.AutoFit"));
  if (rowCount > 0 && send(range(QStringLiteral("A1:") + lastColumn_ + QString::number(rowCount)) +
                           QStringLiteral(".Select"))) {
    for (int i = 1; i <= 4; ++i) {
      const QString border = QStringLiteral("Application.Selection.Borders(%1)").arg(i);
      assign(border + QStringLiteral(".LineStyle"), QStringLiteral("1"));
      assign(border + QStringLiteral(".Weight"), QStringLiteral("2"));
      assign(border + QStringLiteral(".ColorIndex"), QStringLiteral("0"));
    }
  }
  // A quote inside the name is doubled, as a quoted text in a statement needs.
  QString name = withoutTrailingBlanks(fileName_);
  name.replace(u'"', QStringLiteral("\"\""));
  const bool saved = send(QStringLiteral("Application.ActiveWorkbook.SaveAs(\"") + name +
                          QStringLiteral("\", 1, \"\", \"\", False, False)"));
  send(QStringLiteral("Application.Quit"));
  return saved;
}

}  // namespace bv
