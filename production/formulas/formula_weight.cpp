#include "production/formulas/formula_weight.h"

namespace bv {

Decimal totalQuantity(std::span<const WeightLine> lines) {
  Decimal total = Decimal(0).rounded(4);
  for (const WeightLine& line : lines) total = (total + line.quantity).rounded(4);
  return total;
}

FormulaWeight formulaWeight(std::span<const WeightLine> lines, const Decimal& total) {
  FormulaWeight out;
  out.totalVolume = Decimal(0).rounded(2);
  out.volumes.reserve(lines.size());
  for (const WeightLine& line : lines) {
    // A basic product without a specific weight divides by zero: Decimal
    // answers 0, so the line has no volume and the rest is still computed.
    const Decimal volume = (line.quantity / line.density).rounded(2);
    out.volumes.push_back(volume);
    out.totalVolume = (out.totalVolume + volume).rounded(2);
  }
  // Likewise a formula without volume (no lines, or none with a specific
  // weight) gets a specific weight of 0 instead of stopping the form.
  out.specificWeight = (total / out.totalVolume).rounded(4);
  return out;
}

}  // namespace bv
