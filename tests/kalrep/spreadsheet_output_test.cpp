// The spreadsheet output: the statements sent to the automation object, in
// order, and the workbook file they produce (read back with openpyxl).
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "kalrep/export_codes.h"
#include "kalrep/writers/spreadsheet_writer.h"
#include "kalrep_test_support.h"
#include "runtime/automation/automation.h"

namespace bv::test {
namespace {

class RecordingAutomation : public Automation {
 public:
  bool send(const QString& statement) override {
    log.append(statement);
    return true;
  }
  bool assign(const QString& property, const QString& value) override {
    log.append(property + QStringLiteral(" = ") + value);
    return true;
  }
  QString get(const QString&) override { return kReadFailure; }
  QStringList log;
};

TEST(SpreadsheetStatements, CellsFreeLinesAndTheClosingSteps) {
  RecordingAutomation xl;
  SpreadsheetWriter w(xl, QStringLiteral("/datos/planilla.xlsx  "), 3);
  const RowStyle heading{true, 0x000000, 0xC0C0C0, true};
  const RowStyle plain{false, 0x0000FF, 0xFFFFFF, true};  // data colours left out
  const RowStyle line{false, 0xFF0000, 0x00FFFF, false};
  ASSERT_TRUE(
      w.row({{QStringLiteral("Codigo")}, {QStringLiteral("Cant")}, {QStringLiteral("Otro")}},
            heading, 1));
  ASSERT_TRUE(
      w.row({{QStringLiteral("A1")}, {QStringLiteral("  1,234.50"), u'N', u'R'}, {}}, plain, 2));
  ASSERT_TRUE(w.freeLine(QStringLiteral("Subtotal"), u'C', line, 3));
  ASSERT_TRUE(w.finish(3));
  const QStringList expected = {
      "Application.Range(\"A1\").FormulaR1C1 = Codigo",
      "Application.Range(\"A1\").Interior.ColorIndex = 15",
      "Application.Range(\"A1\").Interior.Pattern = 1",
      "Application.Range(\"A1\").Font.ColorIndex = 1",
      "Application.Range(\"B1\").FormulaR1C1 = Cant",
      "Application.Range(\"B1\").Interior.ColorIndex = 15",
      "Application.Range(\"B1\").Interior.Pattern = 1",
      "Application.Range(\"B1\").Font.ColorIndex = 1",
      "Application.Range(\"C1\").FormulaR1C1 = Otro",
      "Application.Range(\"C1\").Interior.ColorIndex = 15",
      "Application.Range(\"C1\").Interior.Pattern = 1",
      "Application.Range(\"C1\").Font.ColorIndex = 1",
      "Application.Range(\"A2\").FormulaR1C1 = A1",
      "Application.Range(\"B2\").FormulaR1C1 =   1,234.50",
      "Application.Range(\"C2\").FormulaR1C1 = ",
      "Application.Range(\"A3:C3\").Select",
      "Application.Selection.Merge",
      "Application.Range(\"A3\").FormulaR1C1 = Subtotal",
      "Application.Range(\"A3\").Interior.ColorIndex = 6",  // yellow
      "Application.Range(\"A3\").Interior.Pattern = 1",
      "Application.Range(\"A3\").Font.ColorIndex = 5",  // blue
      "Application.Columns(\"A:C\").EntireColumn.AutoFit",
      "Application.Range(\"A1:C3\").Select",
      "Application.Selection.Borders(1).LineStyle = 1",
      "Application.Selection.Borders(1).Weight = 2",
      "Application.Selection.Borders(1).ColorIndex = 0",
      "Application.Selection.Borders(2).LineStyle = 1",
      "Application.Selection.Borders(2).Weight = 2",
      "Application.Selection.Borders(2).ColorIndex = 0",
      "Application.Selection.Borders(3).LineStyle = 1",
      "Application.Selection.Borders(3).Weight = 2",
      "Application.Selection.Borders(3).ColorIndex = 0",
      "Application.Selection.Borders(4).LineStyle = 1",
      "Application.Selection.Borders(4).Weight = 2",
      "Application.Selection.Borders(4).ColorIndex = 0",
      "Application.ActiveWorkbook.SaveAs(\"/datos/planilla.xlsx\", 1, \"\", \"\", False, False)",
      "Application.Quit",
  };
  EXPECT_EQ(xl.log, expected);
}

TEST(SpreadsheetStatements, ColumnsPastZAreAddressedWithTwoLetters) {
  RecordingAutomation xl;
  SpreadsheetWriter w(xl, QStringLiteral("x.xlsx"), 30);
  std::vector<WriterCell> cells(30, WriterCell{QStringLiteral("v")});
  ASSERT_TRUE(w.row(cells, RowStyle{false, 0, 0, true}, 2));
  EXPECT_EQ(xl.log[25], QStringLiteral("Application.Range(\"Z2\").FormulaR1C1 = v"));
  EXPECT_EQ(xl.log[26], QStringLiteral("Application.Range(\"AA2\").FormulaR1C1 = v"));
  EXPECT_EQ(xl.log[29], QStringLiteral("Application.Range(\"AD2\").FormulaR1C1 = v"));
}

// What openpyxl reads from the workbook: values with their types, fills, font
// colours, merges, borders and column widths.
const char* kReadWorkbook = R"PY(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.active
def rgb(c):
    return c.rgb if c is not None and c.type == 'rgb' else None
cells = {}
for row in ws.iter_rows(min_row=1, max_row=ws.max_row, max_col=3):
    for c in row:
        cells[c.coordinate] = {
            'v': c.value, 't': type(c.value).__name__,
            'fill': rgb(c.fill.fgColor) if c.fill.fill_type == 'solid' else None,
            'font': rgb(c.font.color) if c.font.color is not None else None,
            'border': [c.border.left.style, c.border.right.style,
                       c.border.top.style, c.border.bottom.style]}
print(json.dumps({'cells': cells, 'rows': ws.max_row,
                  'merged': sorted(str(r) for r in ws.merged_cells.ranges),
                  'widths': {k: ws.column_dimensions[k].width for k in 'ABC'}}))
)PY";

TEST(SpreadsheetWorkbook, TheSampleExportOpensInOpenpyxl) {
  QTemporaryDir dir;
  SampleExport e;
  const QString file = dir.filePath(QStringLiteral("planilla.xlsx"));
  ASSERT_TRUE(e.start(kal::kSpreadsheet, file, dir.filePath(QStringLiteral("bravent.INI"))));
  e.writeSample();
  ASSERT_TRUE(QFile::exists(file));
  const auto out = python({QStringLiteral("openpyxl")}, QString::fromLatin1(kReadWorkbook), {file});
  if (!out) GTEST_SKIP() << "openpyxl is not installed";
  ASSERT_FALSE(out->startsWith(QLatin1StringView("FAILED"))) << out->toStdString();
  const QJsonObject book = QJsonDocument::fromJson(out->toUtf8()).object();
  const QJsonObject cells = book[QStringLiteral("cells")].toObject();
  const auto cell = [&](const char* name) { return cells[QLatin1StringView(name)].toObject(); };
  const auto value = [&](const char* name) { return cell(name).value(QStringLiteral("v")); };
  const auto type = [&](const char* name) {
    return cell(name).value(QStringLiteral("t")).toString();
  };

  EXPECT_EQ(book[QStringLiteral("rows")].toInt(), 5);
  EXPECT_EQ(value("A1").toString(), QStringLiteral("Codigo"));
  EXPECT_EQ(value("B1").toString(), QString::fromUtf8("Descripción"));
  EXPECT_EQ(value("C1").toString(), QStringLiteral("Cantidad"));
  EXPECT_EQ(value("A2").toString(), QStringLiteral("A1"));
  EXPECT_EQ(value("B2").toString(), QString::fromUtf8("Azul \"Mar\";Ñandú"));
  EXPECT_EQ(type("C2"), QStringLiteral("float"));  // "  1,234.50" is a number
  EXPECT_DOUBLE_EQ(value("C2").toDouble(), 1234.5);
  EXPECT_EQ(type("C3"), QStringLiteral("int"));
  EXPECT_EQ(value("C3").toInt(), -3);
  EXPECT_EQ(value("A4").toString(), QStringLiteral("Subtotal"));
  EXPECT_EQ(value("A5").toString(), QStringLiteral("X"));
  EXPECT_EQ(type("C5"), QStringLiteral("NoneType"));
  EXPECT_EQ(book[QStringLiteral("merged")].toArray(), QJsonArray{QStringLiteral("A4:C4")});

  EXPECT_EQ(cell("A1").value(QStringLiteral("fill")).toString(), QStringLiteral("FFC0C0C0"));
  EXPECT_EQ(cell("A1").value(QStringLiteral("font")).toString(), QStringLiteral("FF000000"));
  EXPECT_EQ(cell("B2").value(QStringLiteral("fill")).toString(), QStringLiteral("FFFFFFFF"));
  EXPECT_EQ(cell("B2").value(QStringLiteral("font")).toString(), QStringLiteral("FFFF0000"));
  EXPECT_EQ(cell("A4").value(QStringLiteral("fill")).toString(), QStringLiteral("FFFFFF00"));
  EXPECT_EQ(cell("A4").value(QStringLiteral("font")).toString(), QStringLiteral("FF0000FF"));
  EXPECT_EQ(cell("A5").value(QStringLiteral("fill")).toString(), QStringLiteral("FF00FFFF"));
  const QJsonArray thin{QStringLiteral("thin"), QStringLiteral("thin"), QStringLiteral("thin"),
                        QStringLiteral("thin")};
  for (const char* name : {"A1", "C3", "A5", "C5"})
    EXPECT_EQ(cell(name).value(QStringLiteral("border")).toArray(), thin) << name;
  // Inside a merged area the reader keeps only the area's outer edges.
  const QJsonArray merged = cell("B4").value(QStringLiteral("border")).toArray();
  EXPECT_EQ(merged[2].toString(), QStringLiteral("thin"));
  EXPECT_EQ(merged[3].toString(), QStringLiteral("thin"));
  const QJsonObject widths = book[QStringLiteral("widths")].toObject();
  EXPECT_GT(widths[QStringLiteral("B")].toDouble(), widths[QStringLiteral("A")].toDouble());
}

TEST(SpreadsheetWorkbook, DataRowsStayUncolouredWhenAsked) {
  QTemporaryDir dir;
  SampleExport e;
  e.omitRowColour = 1;
  const QString file = dir.filePath(QStringLiteral("sin_color.xlsx"));
  ASSERT_TRUE(e.start(kal::kSpreadsheet, file, dir.filePath(QStringLiteral("bravent.INI"))));
  e.record(QStringLiteral("A1"), QStringLiteral("Azul"), "1");
  e.CLOSE();
  const auto out = python({QStringLiteral("openpyxl")}, QString::fromLatin1(kReadWorkbook), {file});
  if (!out) GTEST_SKIP() << "openpyxl is not installed";
  const QJsonObject cells =
      QJsonDocument::fromJson(out->toUtf8()).object().value(QStringLiteral("cells")).toObject();
  EXPECT_EQ(cells[QStringLiteral("A1")].toObject().value(QStringLiteral("fill")).toString(),
            QStringLiteral("FFC0C0C0"));
  EXPECT_TRUE(cells[QStringLiteral("A2")].toObject().value(QStringLiteral("fill")).isNull());
}

}  // namespace
}  // namespace bv::test
