#include "masterdata/basicos/net_cost.h"

namespace bv::basicos {

Decimal netCost(const Decimal& cost, const Decimal& discount1, const Decimal& discount2, const Decimal& discount3) {
  const Decimal hundred(100);
  // Every working value is kept with the places of the net cost before the
  // next step, so the result depends on this order.
  const Decimal f1 = ((hundred - discount1) / hundred).rounded(kNetCostPlaces);
  Decimal x = (f1 * cost).rounded(kNetCostPlaces);
  x = (x * ((hundred - discount2) / hundred)).rounded(kNetCostPlaces);
  x = (x * ((hundred - discount3) / hundred)).rounded(kNetCostPlaces);
  return x;
}

}  // namespace bv::basicos
