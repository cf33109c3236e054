#include "production/produccion/order_cost.h"

namespace bv {
namespace {

const Decimal kHundred(100);

// LOC:COSTOBASICO and the prices hold 2 decimals: every step is stored through them.
Decimal stored(const Decimal& value) { return value.rounded(2); }

}  // namespace

Decimal orderUnitCost(const BasicCostTerms& basic, const Decimal& rate, const LineDiscounts& discounts,
                      bool perCan) {
  Decimal cost = stored(basic.inDollars ? basic.cost * rate : basic.cost);
  // A basic product without units per can divides by zero: Decimal answers
  // 0, so the line costs nothing and the order's cost is still computed.
  if (perCan) cost = stored(cost / basic.unitsPerCan);
  for (const Decimal& discount : discounts) cost = stored((kHundred - discount) * cost / kHundred);
  return cost;
}

Decimal orderBasicCost(std::span<const OrderCostLine> lines, const std::optional<BasicCostTerms>& componentB,
                       const Decimal& rate, const LineDiscounts& discounts) {
  Decimal total = stored(Decimal(0));
  for (const OrderCostLine& line : lines) {
    if (!line.basic) continue;  // a missing basic product adds nothing
    total = stored(total + orderUnitCost(*line.basic, rate, discounts, true) * line.litres);
  }
  if (componentB) total = stored(total + orderUnitCost(*componentB, rate, discounts, false));
  return total;
}

OrderPrices orderPrices(const Decimal& cost, const Decimal& margin, const Decimal& vatRate) {
  OrderPrices p;
  p.net = stored((margin / kHundred + Decimal(1)) * cost);
  p.vat = stored(p.net * vatRate / kHundred);
  p.total = stored(p.net + p.vat);
  return p;
}

}  // namespace bv
