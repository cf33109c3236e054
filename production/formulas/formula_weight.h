#pragma once
// The specific weight of a formula: the volume of each line is its quantity
// over the specific weight of its basic product, and the formula's specific
// weight is its total quantity over its total volume.
//
//   FormulaWeight w = formulaWeight({{q1, density1}, {q2, density2}}, total);
//   // w.volumes[i] goes to FOR2:VOLUMEN, w.specificWeight to FOR1:PESO_ESPECIFICO
#include <span>
#include <vector>

#include "runtime/decimal.h"

namespace bv {

struct WeightLine {
  Decimal quantity;  // FOR2:CANTIDAD
  Decimal density;   // the basic product's BAS:PESO_ESPECIFICO
};

struct FormulaWeight {
  std::vector<Decimal> volumes;  // per line, 2 decimals (FOR2:VOLUMEN)
  Decimal totalVolume;           // VOLTOT, 2 decimals
  Decimal specificWeight;        // FOR1:PESO_ESPECIFICO, 4 decimals
};

// TOTAL of the formula form: the sum of the lines' quantities, 4 decimals.
Decimal totalQuantity(std::span<const WeightLine> lines);

// The volumes in line order and the specific weight over `total` (the form's
// TOTAL as it was last summed). Each volume is stored with 2 decimals before
// it is added to the total volume.
FormulaWeight formulaWeight(std::span<const WeightLine> lines, const Decimal& total);

}  // namespace bv
