// The spreadsheet stand-in: addresses, statements, which texts are numbers,
// and the statements and properties over its workbook.
#include "runtime/automation/automation.h"

#include <gtest/gtest.h>

#include "runtime/automation/cell_address.h"
#include "runtime/automation/number_text.h"
#include "runtime/automation/statement.h"
#include "runtime/automation/workbook_automation.h"

namespace bv {
namespace {

TEST(CellAddresses, LettersAndNumbers) {
  EXPECT_EQ(columnLetters(1), QStringLiteral("A"));
  EXPECT_EQ(columnLetters(26), QStringLiteral("Z"));
  EXPECT_EQ(columnLetters(27), QStringLiteral("AA"));
  EXPECT_EQ(columnLetters(52), QStringLiteral("AZ"));
  EXPECT_EQ(columnLetters(703), QStringLiteral("AAA"));
  EXPECT_EQ(columnLetters(kMaxColumns), QStringLiteral("XFD"));
  for (int c : {1, 25, 26, 27, 701, 702, 703, 16384})
    EXPECT_EQ(parseColumnLetters(columnLetters(c)), c);
  EXPECT_EQ(parseCellAddress(u"$b$7"), (CellAddress{7, 2}));
  EXPECT_EQ(parseCellAddress(u"AI3"), (CellAddress{3, 35}));
  for (const char16_t* bad : {u"A0", u"1A", u"A", u"XFE1", u"A1048577", u""})
    EXPECT_FALSE(parseCellAddress(bad)) << QString::fromUtf16(bad).toStdString();
  const auto r = parseCellRange(u"C5:A1");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->first, (CellAddress{1, 1}));
  EXPECT_EQ(r->last, (CellAddress{5, 3}));
  EXPECT_EQ(parseColumnRange(u"A:Y"), (std::pair{1, 25}));
}

TEST(Statements, MembersArgumentsAndQuotes) {
  const QString text = QStringLiteral(
      "Application.ActiveWorkbook.SaveAs(\"C:\\a \"\"b\"\".xlsx\", 1, \"\", \"\", False, False)");
  auto s = Statement::parse(text);
  ASSERT_TRUE(s);
  s->dropApplication();
  ASSERT_EQ(s->size(), 2);
  EXPECT_TRUE(s->is(1, QLatin1StringView("saveas")));
  EXPECT_EQ(s->members()[1].argumentCount, 6);
  EXPECT_EQ(s->argument(1, 0), QStringLiteral("C:\\a \"b\".xlsx"));
  EXPECT_EQ(s->argument(1, 1), QStringLiteral("1"));
  EXPECT_EQ(s->argument(1, 4), QStringLiteral("False"));
  const QString open = QStringLiteral("Workbooks.Open (\"planilla.xls\")");
  auto o = Statement::parse(open);
  ASSERT_TRUE(o);
  EXPECT_EQ(o->argument(1), QStringLiteral("planilla.xls"));
  for (const char* bad : {"Range(\"A1\"", "Range(\"A1).Value", ".Quit", "Range(\"A1\") Value", ""})
    EXPECT_FALSE(Statement::parse(QString::fromLatin1(bad))) << bad;
}

TEST(NumberTexts, WhatTheSpreadsheetTakesAsANumber) {
  const std::pair<const char*, const char*> numbers[] = {
      {"  9.0000", "9"},    {"-1,234.50", "-1234.5"},
      {"0007", "7"},        {"1.5E3", "1500"},
      {".5", "0.5"},        {"+3", "3"},
      {"-0.00", "0"},       {"1,234,567", "1234567"},
      {"0.0001", "0.0001"}, {" 12 ", "12"},
      {"0", "0"},           {"10.50", "10.5"},
  };
  for (const auto& [text, plain] : numbers)
    EXPECT_EQ(numberText(QString::fromLatin1(text)), QString::fromLatin1(plain)) << text;
  for (const char* text :
       {"12,5", "1,23", "1.2.3", "7A", "", "-", "E5", "1E", "$5", "1 2", "12,34,567"})
    EXPECT_FALSE(numberText(QString::fromLatin1(text))) << text;
  EXPECT_EQ(numberTextOf(0.1), QStringLiteral("0.1"));
  EXPECT_EQ(numberTextOf(1234.5), QStringLiteral("1234.5"));
  EXPECT_EQ(numberTextOf(-3.0), QStringLiteral("-3"));
}

TEST(WorkbookAutomationTest, CellsReadBackAsTheSpreadsheetAnswers) {
  auto xl = Automation::create(QStringLiteral("Excel.VBAModule"));
  ASSERT_TRUE(xl);
  EXPECT_FALSE(Automation::create(QStringLiteral("Word.Application")));
  ASSERT_TRUE(xl->assign(QStringLiteral("Application.Range(\"B2\").FormulaR1C1"),
                         QStringLiteral("  1,234.50")));
  ASSERT_TRUE(xl->assign(QStringLiteral("Range(\"A1\").Value"), QStringLiteral("Código")));
  EXPECT_EQ(xl->get(QStringLiteral("Application.Range(\"B2\").Value")), QStringLiteral("1234.5"));
  EXPECT_EQ(xl->get(QStringLiteral("Application.Range(\"A1\").Value")), QStringLiteral("Código"));
  EXPECT_EQ(xl->get(QStringLiteral("Application.Range(\"Z99\").Value")), QString());
  ASSERT_TRUE(xl->assign(QStringLiteral("Application.Range(\"A1\").Interior.ColorIndex"),
                         QStringLiteral("15")));
  EXPECT_EQ(xl->get(QStringLiteral("Application.Range(\"A1\").Interior.ColorIndex")),
            QStringLiteral("15"));
  EXPECT_EQ(xl->get(QStringLiteral("Application.Range(\"A2\").Interior.ColorIndex")),
            QStringLiteral("-4142"));
  EXPECT_FALSE(xl->assign(QStringLiteral("Application.Range(\"A1\").Interior.ColorIndex"),
                          QStringLiteral("57")));
}

TEST(WorkbookAutomationTest, UnknownStatementsFailLikeAFailedRead) {
  WorkbookAutomation xl;
  EXPECT_FALSE(xl.send(QStringLiteral("Application.Range(\"A1\").Explode")));
  EXPECT_FALSE(xl.send(QStringLiteral("Application.Charts.Add")));
  EXPECT_FALSE(
      xl.assign(QStringLiteral("Application.Range(\"A1\").Font.Bold"), QStringLiteral("1")));
  EXPECT_EQ(xl.get(QStringLiteral("Application.Range(\"A1\").Font.Name")),
            Automation::kReadFailure);
  EXPECT_EQ(xl.get(QStringLiteral("not a statement (")), Automation::kReadFailure);
  EXPECT_FALSE(xl.send(QStringLiteral("Workbooks.Open (\"/no/existe.xls\")")));
  EXPECT_TRUE(xl.send(QStringLiteral("Quit")));
  EXPECT_TRUE(xl.hasQuit());
  EXPECT_EQ(xl.get(QStringLiteral("Application.Range(\"A1\").Value")), Automation::kReadFailure);
  EXPECT_FALSE(xl.assign(QStringLiteral("Range(\"A1\").Value"), QStringLiteral("x")));
}

TEST(WorkbookAutomationTest, SelectionMergeBordersAndAutoFit) {
  WorkbookAutomation xl;
  xl.assign(QStringLiteral("Range(\"A1\").FormulaR1C1"), QStringLiteral("Un texto largo"));
  xl.assign(QStringLiteral("Range(\"B1\").FormulaR1C1"), QStringLiteral("x"));
  xl.assign(QStringLiteral("Range(\"A3\").FormulaR1C1"),
            QStringLiteral("Una línea que abarca todo"));
  ASSERT_TRUE(xl.send(QStringLiteral("Application.Range(\"A3:B3\").Select")));
  ASSERT_TRUE(xl.send(QStringLiteral("Application.Selection.Merge")));
  ASSERT_TRUE(xl.send(QStringLiteral("Application.Columns(\"A:B\").EntireColumn.AutoFit")));
  ASSERT_TRUE(xl.send(QStringLiteral("Application.Range(\"A1:B3\").Select")));
  for (int i = 1; i <= 4; ++i)
    ASSERT_TRUE(xl.assign(QStringLiteral("Application.Selection.Borders(%1).LineStyle").arg(i),
                          QStringLiteral("1")));
  EXPECT_FALSE(
      xl.assign(QStringLiteral("Application.Selection.Borders(5).LineStyle"), QStringLiteral("1")));
  const Sheet& sheet = xl.workbook()->activeSheet();
  ASSERT_EQ(sheet.merges().size(), 1);
  EXPECT_EQ(sheet.merges()[0], (CellRange{{3, 1}, {3, 2}}));
  // The merged line does not widen column A; the texts of its own cells do.
  const double a = sheet.columnWidths().at(1), b = sheet.columnWidths().at(2);
  EXPECT_GT(a, 14.0);
  EXPECT_LT(a, 25.0);
  EXPECT_LT(b, a);
  const Cell* empty = sheet.find({2, 2});
  ASSERT_TRUE(empty);
  for (const Border& side : empty->style.borders) {
    EXPECT_EQ(side.lineStyle, 1);
    EXPECT_EQ(side.weight, 2);
  }
}

}  // namespace
}  // namespace bv
