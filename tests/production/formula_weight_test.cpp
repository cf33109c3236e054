// The specific weight of a formula: volumes with 2 decimals, total quantity
// over total volume with 4, and a defined result where a division has no divisor.
#include <gtest/gtest.h>

#include "production/formulas/formula_weight.h"

namespace bv {
namespace {

Decimal d(const char* text) { return *Decimal::parse(std::string_view(text)); }

TEST(FormulaWeight, TwoLinesOfTenAtDensitiesOneAndTwo) {
  const std::vector<WeightLine> lines = {{d("10"), d("1.0000")}, {d("10"), d("2.0000")}};
  const Decimal total = totalQuantity(lines);
  EXPECT_EQ(total.toString(), "20.0000");
  const FormulaWeight w = formulaWeight(lines, total);
  ASSERT_EQ(w.volumes.size(), 2u);
  EXPECT_EQ(w.volumes[0].toString(), "10.00");
  EXPECT_EQ(w.volumes[1].toString(), "5.00");
  EXPECT_EQ(w.totalVolume.toString(), "15.00");
  EXPECT_EQ(w.specificWeight.toString(), "1.3333");
}

TEST(FormulaWeight, VolumesAreRoundedBeforeTheyAreAdded) {
  // 1 / 3 = 0.33 three times: 0.99, where the exact volume would be 1.00.
  const std::vector<WeightLine> lines(3, WeightLine{d("1.0000"), d("3.0000")});
  const FormulaWeight w = formulaWeight(lines, totalQuantity(lines));
  EXPECT_EQ(w.totalVolume.toString(), "0.99");
  EXPECT_EQ(w.specificWeight.toString(), "3.0303");  // 3 / 0.99
}

TEST(FormulaWeight, NoDensityOrNoVolumeGivesZeroAndGoesOn) {
  // A basic product without a specific weight: its line has no volume, the
  // others still count.
  const std::vector<WeightLine> lines = {{d("10"), d("0")}, {d("10"), d("2.0000")}};
  const FormulaWeight w = formulaWeight(lines, totalQuantity(lines));
  EXPECT_EQ(w.volumes[0].toString(), "0.00");
  EXPECT_EQ(w.volumes[1].toString(), "5.00");
  EXPECT_EQ(w.specificWeight.toString(), "4.0000");

  // No volume at all: the specific weight is 0.
  EXPECT_TRUE(formulaWeight(std::vector<WeightLine>{{d("10"), d("0")}}, d("10")).specificWeight.isZero());
  const FormulaWeight none = formulaWeight({}, Decimal(0));
  EXPECT_TRUE(none.volumes.empty());
  EXPECT_EQ(none.totalVolume.toString(), "0.00");
  EXPECT_EQ(none.specificWeight.toString(), "0.0000");
}

TEST(FormulaWeight, TheGivenTotalIsUsedAsIs) {
  // The form divides the TOTAL of its last refresh, not a sum of its own.
  const std::vector<WeightLine> lines = {{d("10"), d("1.0000")}};
  EXPECT_EQ(formulaWeight(lines, d("15")).specificWeight.toString(), "1.5000");
}

}  // namespace
}  // namespace bv
