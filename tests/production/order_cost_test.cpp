// The cost of a production order's materials with the line's three discounts
// and the dollar rate, component B by the unit, and the prices with margin and
// VAT, every step stored with 2 decimals.
#include <gtest/gtest.h>

#include <vector>

#include "production/produccion/order_cost.h"

namespace bv {
namespace {

Decimal d(const char* text) { return *Decimal::parse(std::string_view(text)); }

BasicCostTerms basic(const char* cost, bool dollars, int units) {
  BasicCostTerms t;
  t.cost = d(cost);
  t.inDollars = dollars;
  t.unitsPerCan = Decimal(units);
  t.discounts = {d("50"), d("50"), d("50"), d("50")};  // the basic product's own: not applied
  return t;
}

const LineDiscounts kTenOff{d("10"), d("0"), d("0")};
const LineDiscounts kNone{d("0"), d("0"), d("0")};

TEST(OrderCost, LinesAtTheRateWithTheLineDiscounts) {
  // 100 / 4 = 25.00, less 10 % = 22.50, x 2 litres = 45.00; in dollars at
  // 2.5 first 250.00: 62.50, 56.25, x 2 = 112.50.
  const std::vector<OrderCostLine> lines{{basic("100", false, 4), d("2.00")}, {basic("100", true, 4), d("2.00")}};
  EXPECT_EQ(orderBasicCost(lines, std::nullopt, d("2.5000"), kTenOff).toString(), "157.50");
  // The discounts compound: 25.00 less 10 % then 20 % = 18.00.
  EXPECT_EQ(orderUnitCost(basic("100", false, 4), d("1"), {d("10"), d("20"), d("0")}, true).toString(), "18.00");
}

TEST(OrderCost, ComponentBCountsOneUnitAndMissingProductsNothing) {
  // Component B: 10.00 less 10 % = 9.00, not divided by its 4 units per can.
  const std::vector<OrderCostLine> lines{{std::nullopt, d("5.00")}, {basic("100", false, 4), d("2.00")}};
  EXPECT_EQ(orderBasicCost(lines, basic("10", false, 4), d("1"), kTenOff).toString(), "54.00");
  EXPECT_EQ(orderBasicCost({}, std::nullopt, d("1"), kTenOff).toString(), "0.00");
}

TEST(OrderCost, EveryStepIsRoundedBeforeTheNext) {
  // 10 / 3 = 3.33 per unit, x 3 litres = 9.99 rather than 10.00.
  const std::vector<OrderCostLine> one{{basic("10", false, 3), d("3.00")}};
  EXPECT_EQ(orderBasicCost(one, std::nullopt, d("1"), kNone).toString(), "9.99");
  // Each line's cost is added as stored: 0.33 x 0.50 = 0.17 twice is 0.34,
  // where summing first would give 0.33.
  const std::vector<OrderCostLine> two(2, OrderCostLine{basic("0.33", false, 1), d("0.50")});
  EXPECT_EQ(orderBasicCost(two, std::nullopt, d("1"), kNone).toString(), "0.34");
  // The net price is stored before the tax: 0.055 -> 0.06, tax 0.03, 0.09
  // (0.0825 -> 0.08 at the end only).
  EXPECT_EQ(orderPrices(d("0.05"), d("10"), d("50")).total.toString(), "0.09");
}

TEST(OrderCost, UnitsPerCanZeroCostsNothing) {
  const std::vector<OrderCostLine> lines{{basic("100", false, 0), d("2.00")}, {basic("10", false, 1), d("1.00")}};
  EXPECT_EQ(orderBasicCost(lines, std::nullopt, d("1"), kNone).toString(), "10.00");
}

TEST(OrderPrices, MarginAndVat) {
  // A margin of 30 on 100.00 at 21 % tax: 130.00 + 27.30 = 157.30; at 40:
  // 140.00 + 29.40 = 169.40.
  const OrderPrices at30 = orderPrices(d("100.00"), d("30"), d("21.00"));
  EXPECT_EQ(at30.net.toString(), "130.00");
  EXPECT_EQ(at30.vat.toString(), "27.30");
  EXPECT_EQ(at30.total.toString(), "157.30");
  const OrderPrices at40 = orderPrices(d("100.00"), d("40"), d("21.00"));
  EXPECT_EQ(at40.net.toString(), "140.00");
  EXPECT_EQ(at40.total.toString(), "169.40");
}

TEST(OrderPrices, AHalfCentRoundsAwayFromZero) {
  // 12.50 x 21 % = 2.625: the tax is 2.63 and the price 15.13.
  const OrderPrices p = orderPrices(d("12.50"), d("0"), d("21.00"));
  EXPECT_EQ(p.vat.toString(), "2.63");
  EXPECT_EQ(p.total.toString(), "15.13");
  // 1.15 at a margin of 10 % is 1.265: 1.27 before the tax.
  EXPECT_EQ(orderPrices(d("1.15"), d("10"), d("0")).net.toString(), "1.27");
}

}  // namespace
}  // namespace bv
