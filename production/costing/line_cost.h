#pragma once
// The cost in pesos of one line of a formula: the basic product's cost (turned
// into pesos at the dollar rate when it is kept in dollars), per unit of its
// can, less its four discounts one after the other, times the line's quantity.
// Every intermediate result is stored with 2 decimals before the next step,
// so the result depends on that per-step rounding.
#include <array>

#include "runtime/decimal.h"

namespace bv {

class Record;

// What the cost of a line takes from its basic product.
struct BasicCostTerms {
  Decimal cost;                      // BAS:COSTO
  bool inDollars = false;            // BAS:MONEDA is 'D'
  Decimal unitsPerCan;               // BAS:UNIDAD_POR_LATA
  std::array<Decimal, 4> discounts;  // BAS:BONIFICACION1..4, percentages
};

// The terms of the basic product in a Basicos (or A_Basicos) record.
BasicCostTerms basicCostTerms(const Record& basic);

// LOC:COSTO of a line of `quantity` (FOR2:CANTIDAD) at the dollar rate `rate`.
Decimal lineCost(const BasicCostTerms& basic, const Decimal& rate, const Decimal& quantity);

}  // namespace bv
