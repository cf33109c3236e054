#pragma once
// The net cost of a basic product in its line: the list cost less the line's
// three discounts, one after the other, each step kept with four places, in
// the product's own currency (no dollar rate, no margin).
#include "runtime/decimal.h"

namespace bv::basicos {

inline constexpr int kNetCostPlaces = 4;

Decimal netCost(const Decimal& cost, const Decimal& discount1, const Decimal& discount2, const Decimal& discount3);

}  // namespace bv::basicos
