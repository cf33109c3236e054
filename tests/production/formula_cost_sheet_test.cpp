// The cost sheet of a formula over real tables: the rate of today (never a
// later one, 1 when there is none), one detail per line of the one formula
// with its cost, the totals, a formula without lines, and one that does not
// exist. The pages are read as the preview is shown them.
#include "production/costing/cost_sheet_layout.h"
#include "production/costing/dollar_rate.h"
#include "production/costing/formula_cost_sheet.h"
#include "tests/production/cost_sheet_fixture.h"

namespace bv::test {
namespace {

using namespace costsheet;

class CostSheetTest : public CostSheetTables {
 protected:
  // Runs the sheet of `number` without a screen; the pages it previewed
  // are kept in `pages`.
  ReportProcess::Response run(int number) {
    FormulaCostSheet sheet(files, ExecutionContext::current(), Decimal(number));
    const Report* report = &sheet.report();
    PreviewReader preview(report);
    ChoicesScope scope(preview);
    EXPECT_TRUE(sheet.start());
    const ReportProcess::Response response = sheet.process().runWithoutScreen();
    sheet.finish();
    pages = preview.pages;
    return response;
  }

  // The texts shown by one control, in page order (blanks trimmed).
  QStringList texts(int control) const {
    QStringList out;
    for (const ReportPage& page : pages)
      for (const PageItem& item : page.items)
        if (item.controlId == control) out << item.text.trimmed();
    return out;
  }
  QString text(int control) const { return texts(control).value(0); }

  QList<ReportPage> pages;
};

TEST_F(CostSheetTest, EveryLineOfTheFormulaWithItsCostAndTheTotals) {
  rate(kToday.addDays(-3), "2.5000");
  rate(kToday.addDays(1), "9.0000");  // after today: not used
  ASSERT_EQ(run(7), ReportProcess::Response::Completed);
  ASSERT_EQ(pages.size(), 1);
  EXPECT_EQ(text(kIssueDate), u"14/06/2024"_s);
  EXPECT_EQ(text(kIssueTime), u"09:30"_s);
  EXPECT_EQ(text(kRate), u"2.5000"_s);
  EXPECT_EQ(text(kFormula), u"0000000007"_s);
  EXPECT_EQ(text(kProduct), u"T1"_s);
  EXPECT_EQ(text(kProductDescription), u"Esmalte Blanco"_s);
  EXPECT_EQ(text(kRemarks), u"Uso general"_s);
  EXPECT_EQ(text(kQuantity), u"4.000"_s);
  EXPECT_EQ(text(kComponentB), u"COMPB"_s);
  EXPECT_EQ(text(kComponentBDescription), u"Endurecedor"_s);
  EXPECT_EQ(text(kSpecificWeight), u"1.2500"_s);
  // Formula 8's line is not on the sheet.
  EXPECT_EQ(texts(kLineCode), QStringList({u"B1"_s, u"B2"_s}));
  EXPECT_EQ(texts(kLineDescription), QStringList({u"Blanco"_s, u"Amarillo"_s}));
  EXPECT_EQ(texts(kLineQuantity), QStringList({u"2.0000"_s, u"2.0000"_s}));
  // Pesos: 100 / 4 less 10 % times 2; dollars: the same from 250.00.
  EXPECT_EQ(texts(kLineCost), QStringList({u"45.00"_s, u"112.50"_s}));
  EXPECT_EQ(text(kTotalQuantity), u"4.0000"_s);
  EXPECT_EQ(text(kTotalCost), u"157.50"_s);
  EXPECT_TRUE(presenter.shown().empty());
}

TEST_F(CostSheetTest, WithoutARateUpToTodayTheRateIsOne) {
  rate(kToday.addDays(1), "9.0000");
  ASSERT_EQ(run(7), ReportProcess::Response::Completed);
  EXPECT_EQ(text(kRate), u"1.0000"_s);
  // The dollar line at 1: 100 / 4 less 10 % times 2.
  EXPECT_EQ(texts(kLineCost), QStringList({u"45.00"_s, u"45.00"_s}));
  EXPECT_EQ(text(kTotalCost), u"90.00"_s);
}

TEST_F(CostSheetTest, RateOfADate) {
  rate(kToday.addDays(-10), "2.0000");
  rate(kToday.addDays(-3), "2.5000");
  rate(kToday, "3.0000");
  rate(kToday.addDays(2), "9.0000");
  FileManager& dolar = files[u"Dolar"_s];
  ASSERT_EQ(dolar.open(), 0);
  EXPECT_EQ(dollarRateOn(dolar, kToday).toString(), "3.0000");
  EXPECT_EQ(dollarRateOn(dolar, kToday.addDays(-1)).toString(), "2.5000");
  EXPECT_EQ(dollarRateOn(dolar, kToday.addDays(5)).toString(), "9.0000");
  EXPECT_EQ(dollarRateOn(dolar, kToday.addDays(-11)).toString(), "1.0000");
  // The rate in use stays in the buffer, 1 included.
  EXPECT_EQ(dolar.buffer().decimal("DOL:COTIZACION"), Decimal(1));
  dolar.close();
}

TEST_F(CostSheetTest, AFormulaWithoutLinesPrintsItsHeadingAndZeroTotals) {
  ASSERT_EQ(run(9), ReportProcess::Response::Completed);
  ASSERT_EQ(pages.size(), 1);
  EXPECT_EQ(text(kFormula), u"0000000009"_s);
  EXPECT_EQ(text(kRemarks), u"Sin renglones"_s);
  EXPECT_TRUE(texts(kLineCode).isEmpty());
  EXPECT_TRUE(texts(kLineCost).isEmpty());
  EXPECT_EQ(text(kTotalQuantity), u"0.0000"_s);
  EXPECT_EQ(text(kTotalCost), u"0.00"_s);
}

TEST_F(CostSheetTest, AFormulaThatDoesNotExistPrintsNothing) {
  EXPECT_EQ(run(99), ReportProcess::Response::Cancelled);
  EXPECT_TRUE(pages.isEmpty());
  ASSERT_EQ(presenter.shown().size(), 1u);
  EXPECT_EQ(presenter.shown()[0].title(), u"No hay Registros"_s);
}

}  // namespace
}  // namespace bv::test
