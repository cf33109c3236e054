#pragma once
// The cost of a production order's materials (LOC:COSTOBASICO) and its sale
// price with margin and tax. Every step is stored with 2 decimals before the
// next one, so the results depend on that per-step rounding.
//
//   Decimal cost = orderBasicCost(lines, componentB, rate, lineDiscounts);
//   OrderPrices p = orderPrices(cost, margin, vatRate);
#include <array>
#include <optional>
#include <span>

#include "production/costing/line_cost.h"
#include "runtime/decimal.h"

namespace bv {

// The three discounts of the order's line (LIN:BONI1..3), percentages. They,
// not the basic product's own discounts, apply to an order.
using LineDiscounts = std::array<Decimal, 3>;

// One order line for costing: its basic product (none when missing) and its
// litres (PRO2:VOLUMEN).
struct OrderCostLine {
  std::optional<BasicCostTerms> basic;
  Decimal litres;
};

// The cost in pesos of one unit of a basic product at the rate, less the
// line's discounts; `perCan` divides it by the units per can first.
Decimal orderUnitCost(const BasicCostTerms& basic, const Decimal& rate, const LineDiscounts& discounts,
                      bool perCan);

// LOC:COSTOBASICO: each line's cost per unit of its can times its litres,
// plus one unit of component B (when the order has one and it exists).
Decimal orderBasicCost(std::span<const OrderCostLine> lines, const std::optional<BasicCostTerms>& componentB,
                       const Decimal& rate, const LineDiscounts& discounts);

struct OrderPrices {
  Decimal net;    // PRECIONETOVENTA
  Decimal vat;    // LOC:IVA
  Decimal total;  // PRO1:COSTO_DE_PRODUCCION
};

// The prices of a cost at the margin (LIN:MARGEN) and the VAT rate
// (PAR:ALICUOTA_DEL_IVA), both percentages.
OrderPrices orderPrices(const Decimal& cost, const Decimal& margin, const Decimal& vatRate);

}  // namespace bv
