// The cost of a formula line: pesos or dollars at the rate, per unit of the
// can, four compounding discounts and the quantity, rounded to 2 decimals at
// every step.
#include <gtest/gtest.h>

#include "production/costing/line_cost.h"
#include "storage/dictionary/dictionary.h"
#include "storage/dictionary/record.h"

namespace bv {
namespace {

Decimal d(const char* text) { return *Decimal::parse(std::string_view(text)); }

BasicCostTerms terms(const char* cost, bool dollars, int units, std::array<const char*, 4> discounts) {
  BasicCostTerms t;
  t.cost = d(cost);
  t.inDollars = dollars;
  t.unitsPerCan = Decimal(units);
  for (std::size_t i = 0; i < 4; ++i) t.discounts[i] = d(discounts[i]);
  return t;
}

TEST(LineCost, PesosAndDollars) {
  // 100 / 4 = 25.00, less 10 % = 22.50, times 2 = 45.00.
  const BasicCostTerms pesos = terms("100.00", false, 4, {"10", "0", "0", "0"});
  EXPECT_EQ(lineCost(pesos, d("2.5000"), d("2.0000")).toString(), "45.00");
  // In dollars the cost is 250.00 first: 62.50, 56.25, 112.50.
  BasicCostTerms dollars = pesos;
  dollars.inDollars = true;
  EXPECT_EQ(lineCost(dollars, d("2.5000"), d("2.0000")).toString(), "112.50");
  EXPECT_EQ(lineCost(dollars, d("2.5000"), d("1")).toString(), "56.25");
  // Per unit of the can and undiscounted: the cost stays the first step's.
  EXPECT_EQ(lineCost(terms("100.00", true, 1, {"0", "0", "0", "0"}), d("2.5000"), d("1")).toString(), "250.00");
}

TEST(LineCost, EveryStepIsRoundedBeforeTheNext) {
  // 10 / 3 = 3.33 (not 3.333...), times 3 = 9.99; rounding only at the end
  // would give 10.00.
  EXPECT_EQ(lineCost(terms("10.00", false, 3, {"0", "0", "0", "0"}), d("1"), d("3")).toString(), "9.99");
  // The dollar step too: 0.33 × 1.5555 = 0.513315 is 0.51 before the quantity
  // 100 (51.00), where the exact product would give 51.33.
  EXPECT_EQ(lineCost(terms("0.33", true, 1, {"0", "0", "0", "0"}), d("1.5555"), d("100")).toString(), "51.00");
  // Discounts compound, each result rounded: 9.99 less 5 % = 9.49 (9.4905),
  // less 5 % = 9.02 (9.0155), times 10 = 90.20; unrounded it would be 90.16.
  EXPECT_EQ(lineCost(terms("9.99", false, 1, {"5", "5", "0", "0"}), d("1"), d("10")).toString(), "90.20");
}

TEST(LineCost, AllFourDiscountsApplyInOrder) {
  // 100 less 10, 20, 50 and 1 %: 90.00, 72.00, 36.00, 35.64.
  EXPECT_EQ(lineCost(terms("100.00", false, 1, {"10", "20", "50", "1"}), d("1"), d("1")).toString(), "35.64");
}

TEST(LineCost, NoUnitsPerCanCostsNothing) {
  EXPECT_EQ(lineCost(terms("100.00", true, 0, {"0", "0", "0", "0"}), d("2.5"), d("2")).toString(), "0.00");
}

TEST(LineCost, TermsFromABasicProductRecordAndItsAlias) {
  const Dictionary& dictionary = Dictionary::instance();
  for (const char* label : {"Basicos", "A_Basicos"}) {
    const TableDef* table = dictionary.table(QString::fromLatin1(label));
    ASSERT_NE(table, nullptr) << label;
    Record r(*table);
    const QString p = table->prefix + u':';
    r.setDecimal(p + QStringLiteral("COSTO"), d("100.00"));
    r.setText(p + QStringLiteral("MONEDA"), QStringLiteral("D"));
    r.setDecimal(p + QStringLiteral("UNIDAD_POR_LATA"), Decimal(4));
    r.setDecimal(p + QStringLiteral("BONIFICACION1"), d("10"));
    r.setDecimal(p + QStringLiteral("BONIFICACION4"), d("2.5"));
    const BasicCostTerms t = basicCostTerms(r);
    EXPECT_EQ(t.cost.toString(), "100.00") << label;
    EXPECT_TRUE(t.inDollars);
    EXPECT_EQ(t.unitsPerCan, Decimal(4));
    EXPECT_EQ(t.discounts[0], d("10"));
    EXPECT_TRUE(t.discounts[1].isZero());
    EXPECT_EQ(t.discounts[3], d("2.5"));
    r.setText(p + QStringLiteral("MONEDA"), QStringLiteral("P"));
    EXPECT_FALSE(basicCostTerms(r).inDollars);
  }
}

}  // namespace
}  // namespace bv
