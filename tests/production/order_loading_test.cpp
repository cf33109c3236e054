// Loading a production order from its formula: the standard loading scaled
// through the formula's volume and part A, the direct loading of line 33, and
// the totals and specific weight of the batch, each value stored with its
// places before the next step.
#include <gtest/gtest.h>

#include <vector>

#include "production/produccion/order_loading.h"

namespace bv {
namespace {

Decimal d(const char* text) { return *Decimal::parse(std::string_view(text)); }

FormulaTerms formula(const char* quantity, const char* weight, int rel1, int rel2) {
  return {d(quantity), d(weight), Decimal(rel1), Decimal(rel2)};
}

TEST(OrderLoading, StandardScalesThroughVolumeAndPartA) {
  // 100 kg at 1.2500 is 80.000 litres; 20 litres of a 4 + 1 mix have 16.00 of
  // part A; 50 x 16 / 80 x 1000 = 10000 grams, at 1.6 that is 6.25 litres.
  const FormulaTerms f = formula("100", "1.2500", 4, 1);
  EXPECT_EQ(formulaVolume(f).toString(), "80.000");
  const std::vector<FormulaLineTerms> lines{{d("50"), d("1.6")}};
  const OrderLoading l = loadStandard(f, lines, d("20"));
  EXPECT_EQ(l.partA.toString(), "16.00");
  ASSERT_EQ(l.lines.size(), 1u);
  EXPECT_EQ(l.lines[0].grams.toString(), "10000.0000");
  EXPECT_EQ(l.lines[0].litres.toString(), "6.25");
  EXPECT_EQ(l.total.toString(), "10000.00");
  EXPECT_EQ(l.volumeTotal.toString(), "6.25");
  EXPECT_EQ(l.specificWeight.toString(), "1.6000");
  // Without a part B the whole quantity is part A.
  EXPECT_EQ(loadStandard(formula("100", "1.2500", 4, 0), lines, d("20")).lines[0].grams.toString(), "12500.0000");
}

TEST(OrderLoading, DirectUsesTheFormulaQuantityAsStored) {
  // Line 33: part A 20, 50 / 100 x 20 x 1000 = 10000, whatever the ratio.
  const std::vector<FormulaLineTerms> lines{{d("50"), d("1.6")}, {d("25"), d("0.8")}};
  const OrderLoading l = loadDirect(formula("100", "1.2500", 4, 1), lines, d("20"));
  EXPECT_EQ(l.partA.toString(), "20.00");
  EXPECT_EQ(l.lines[0].grams.toString(), "10000.0000");
  EXPECT_EQ(l.lines[1].grams.toString(), "5000.0000");
  EXPECT_EQ(l.lines[1].litres.toString(), "6.25");
  EXPECT_EQ(l.total.toString(), "15000.00");
  EXPECT_EQ(l.volumeTotal.toString(), "12.50");
  EXPECT_EQ(l.specificWeight.toString(), "1.2000");
}

TEST(OrderLoading, EveryStepIsRoundedBeforeTheNext) {
  // Part A of 10 litres of a 2 + 1 mix is stored as 6.67: 50 x 6.67 / 80 x
  // 1000 = 4168.75, where the unrounded share would give 4166.6667.
  const std::vector<FormulaLineTerms> lines{{d("50"), d("1")}};
  EXPECT_EQ(loadStandard(formula("100", "1.2500", 2, 1), lines, d("10")).lines[0].grams.toString(), "4168.7500");
  // The formula's volume keeps 3 decimals: 100 / 1.2345 = 81.004, so 10 of
  // 100 in 10 litres gives 1234.5069 grams rather than 1234.5.
  const std::vector<FormulaLineTerms> ten{{d("10"), d("1")}};
  EXPECT_EQ(formulaVolume(formula("100", "1.2345", 1, 0)).toString(), "81.004");
  EXPECT_EQ(loadStandard(formula("100", "1.2345", 1, 0), ten, d("10")).lines[0].grams.toString(), "1234.5069");
  // Totals add the lines as stored: 3 x 333.3333 grams are 0.33 litres each,
  // 0.99 together, not 1.
  const std::vector<FormulaLineTerms> thirds(3, FormulaLineTerms{d("1"), d("1")});
  const OrderLoading l = loadDirect(formula("3", "1", 1, 0), thirds, d("1"));
  EXPECT_EQ(l.lines[0].litres.toString(), "0.33");
  EXPECT_EQ(l.volumeTotal.toString(), "0.99");
  EXPECT_EQ(l.specificWeight.toString(), "1.0101");
}

TEST(OrderLoading, DivisionsByZeroGiveZeroAndGoOn) {
  // A missing basic product (specific weight 0) has no litres; the others load.
  const std::vector<FormulaLineTerms> lines{{d("50"), d("0")}, {d("50"), d("2")}};
  const OrderLoading l = loadStandard(formula("100", "1.2500", 4, 1), lines, d("20"));
  EXPECT_EQ(l.lines[0].grams.toString(), "10000.0000");
  EXPECT_TRUE(l.lines[0].litres.isZero());
  EXPECT_EQ(l.lines[1].litres.toString(), "5.00");
  EXPECT_EQ(l.specificWeight.toString(), "4.0000");
  // A formula without specific weight or quantity loads 0 grams, weight 0.
  const OrderLoading none = loadStandard(formula("100", "0", 4, 1), lines, d("20"));
  EXPECT_TRUE(none.lines[1].grams.isZero());
  EXPECT_TRUE(none.specificWeight.isZero());
  EXPECT_TRUE(loadDirect(formula("0", "1", 1, 0), lines, d("20")).lines[1].grams.isZero());
  // No lines: totals and specific weight 0.
  const OrderLoading empty = loadStandard(formula("100", "1.2500", 4, 1), {}, d("20"));
  EXPECT_TRUE(empty.lines.empty());
  EXPECT_TRUE(empty.specificWeight.isZero());
}

}  // namespace
}  // namespace bv
