// Workbook files: what is saved reads back, a workbook written by another
// program opens on its active sheet, and an ".xls" file reads as another
// reader reads it.
#include "runtime/automation/workbook_files.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <optional>

#include "runtime/automation/workbook_automation.h"

namespace bv {
namespace {

std::optional<QString> python(const QString& module, const QString& script,
                              const QStringList& args) {
  const QString exe = QStringLiteral("/usr/bin/python3");
  if (!QFile::exists(exe)) return std::nullopt;
  QProcess probe;
  probe.start(exe, {QStringLiteral("-c"), QStringLiteral("import ") + module});
  if (!probe.waitForFinished(20000) || probe.exitCode() != 0) return std::nullopt;
  QProcess p;
  p.start(exe, QStringList{QStringLiteral("-c"), script} + args);
  p.waitForFinished(60000);
  return QString::fromUtf8(p.readAllStandardOutput()).trimmed() +
         QString::fromUtf8(p.readAllStandardError()).trimmed();
}

TEST(WorkbookFiles, ASavedWorkbookReadsBack) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("libro.xlsx"));
  WorkbookAutomation out;
  out.assign(QStringLiteral("Range(\"A1\").FormulaR1C1"), QStringLiteral("Descripción"));
  out.assign(QStringLiteral("Range(\"B2\").FormulaR1C1"), QStringLiteral("  12.5000"));
  out.assign(QStringLiteral("Range(\"AI3\").FormulaR1C1"), QStringLiteral("-7"));
  out.assign(QStringLiteral("Range(\"C2\").Interior.ColorIndex"), QStringLiteral("6"));
  ASSERT_TRUE(out.send(QStringLiteral("Application.ActiveWorkbook.SaveAs(\"") + file +
                       QStringLiteral("\", 1, \"\", \"\", False, False)")));
  WorkbookAutomation in;
  ASSERT_TRUE(in.send(QStringLiteral("Workbooks.Open (\"") + file + QStringLiteral("\")")));
  EXPECT_EQ(in.get(QStringLiteral("Application.Range(\"A1\").Value")),
            QStringLiteral("Descripción"));
  EXPECT_EQ(in.get(QStringLiteral("Application.Range(\"B2\").Value")), QStringLiteral("12.5"));
  EXPECT_EQ(in.get(QStringLiteral("Application.Range(\"AI3\").Value")), QStringLiteral("-7"));
  EXPECT_EQ(in.get(QStringLiteral("Application.Range(\"C2\").Value")), QString());
  EXPECT_TRUE(in.send(QStringLiteral("Workbooks.Close (\"") + file + QStringLiteral("\")")));
  EXPECT_EQ(in.get(QStringLiteral("Application.Range(\"A1\").Value")), Automation::kReadFailure);
}

TEST(WorkbookFiles, SavingWhereNoFileCanBeMadeFails) {
  WorkbookAutomation out;
  out.assign(QStringLiteral("Range(\"A1\").Value"), QStringLiteral("x"));
  EXPECT_FALSE(
      out.send(QStringLiteral("Application.ActiveWorkbook.SaveAs(\"/no/existe/libro.xlsx\", 1, "
                              "\"\", \"\", False, False)")));
  EXPECT_FALSE(readWorkbookFile(QStringLiteral("/no/existe/libro.xlsx")));
}

TEST(WorkbookFiles, AWorkbookOfAnotherProgramOpensOnItsActiveSheet) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("otro.xlsx"));
  const auto out = python(QStringLiteral("openpyxl"), QStringLiteral(R"PY(
import sys, openpyxl
wb = openpyxl.Workbook()
wb.active['A3'] = 'no'
ws = wb.create_sheet('Formulas')
ws['A3'] = '0101001'
ws['B3'] = 'Látex'
ws['C3'] = 1.25
ws['D3'] = 40
ws['E3'] = True
wb.active = 1
wb.save(sys.argv[1])
)PY"),
                          {file});
  if (!out) GTEST_SKIP() << "openpyxl is not installed";
  ASSERT_TRUE(out->isEmpty()) << out->toStdString();
  WorkbookAutomation xl;
  ASSERT_TRUE(xl.send(QStringLiteral("Workbooks.Open (\"") + file + QStringLiteral("\")")));
  EXPECT_EQ(xl.workbook()->activeSheet().name(), QStringLiteral("Formulas"));
  EXPECT_EQ(xl.get(QStringLiteral("Application.Range(\"A3\").Value")), QStringLiteral("0101001"));
  EXPECT_EQ(xl.get(QStringLiteral("Application.Range(\"B3\").Value")), QStringLiteral("Látex"));
  EXPECT_EQ(xl.get(QStringLiteral("Application.Range(\"C3\").Value")), QStringLiteral("1.25"));
  EXPECT_EQ(xl.get(QStringLiteral("Application.Range(\"D3\").Value")), QStringLiteral("40"));
  EXPECT_EQ(xl.get(QStringLiteral("Application.Range(\"E3\").Value")), QStringLiteral("TRUE"));
}

TEST(WorkbookFiles, AnXlsFileReadsAsAnotherReaderReadsIt) {
  const QString file = QStringLiteral("/usr/share/doc/python3-xlrd/examples/namesdemo.xls");
  if (!QFile::exists(file)) GTEST_SKIP() << "no .xls sample on this machine";
  const auto out = python(QStringLiteral("xlrd"), QStringLiteral(R"PY(
import sys, json, xlrd
s = xlrd.open_workbook(sys.argv[1]).sheet_by_index(2)
cells = []
for r in range(s.nrows):
    for c in range(s.ncols):
        v = s.cell_value(r, c)
        if v != '':
            cells.append([r + 1, c + 1, v])
print(json.dumps(cells))
)PY"),
                          {file});
  if (!out) GTEST_SKIP() << "xlrd is not installed";
  const auto book = readXlsFile(file);
  ASSERT_TRUE(book);
  ASSERT_EQ(book->sheets().size(), 4u);
  EXPECT_EQ(book->sheets()[3].name(), QStringLiteral("Seamus O'Reilly"));
  const QJsonArray cells = QJsonDocument::fromJson(out->toUtf8()).array();
  ASSERT_FALSE(cells.isEmpty()) << out->toStdString();
  const Sheet& sheet = book->sheets()[2];  // the sheet of plain values
  // Every value read is the other reader's. (Results of formulas are not read
  // from ".xls" files: their cells read empty.)
  QHash<QString, QJsonValue> theirs;
  for (const auto& v : cells) {
    const QJsonArray c = v.toArray();
    theirs.insert(QStringLiteral("%1,%2").arg(c[0].toInt()).arg(c[1].toInt()), c[2]);
  }
  int read = 0;
  for (int r = 1; r <= sheet.lastRow(); ++r)
    for (int col = 1; col <= sheet.lastColumn(); ++col) {
      const Cell* mine = sheet.find({r, col});
      if (!mine || mine->text.isEmpty()) continue;
      ++read;
      const QJsonValue other = theirs.value(QStringLiteral("%1,%2").arg(r).arg(col));
      if (other.isDouble()) {
        EXPECT_TRUE(mine->numeric);
        EXPECT_DOUBLE_EQ(mine->text.toDouble(), other.toDouble()) << r << "," << col;
      } else {
        EXPECT_EQ(mine->text, other.toString()) << r << "," << col;
      }
    }
  EXPECT_GT(read, 30);
  EXPECT_EQ(sheet.find({1, 2})->text, QStringLiteral("Jan"));
}

}  // namespace
}  // namespace bv
