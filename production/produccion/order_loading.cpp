#include "production/produccion/order_loading.h"

namespace bv {
namespace {

const Decimal kThousand(1000);

// The lines and their totals once each line's grams are known.
OrderLoading finish(Decimal partA, std::span<const FormulaLineTerms> lines, std::vector<Decimal> grams) {
  OrderLoading out;
  out.partA = partA;
  out.lines.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i)
    out.lines.push_back({grams[i], litresOf(grams[i], lines[i].density)});
  sumOrderLines(out);
  return out;
}

}  // namespace

Decimal formulaVolume(const FormulaTerms& formula) {
  // A formula without a specific weight divides by zero: Decimal answers 0,
  // so the volume is 0 and every line below gets 0 grams.
  return (formula.quantity / formula.specificWeight).rounded(3);
}

Decimal partA(const FormulaTerms& formula, const Decimal& quantity) {
  if (formula.rel2.isZero()) return quantity.rounded(2);
  // REL1 + REL2 is 0 only with a negative ratio: the share is then 0.
  return (quantity / (formula.rel1 + formula.rel2) * formula.rel1).rounded(2);
}

Decimal litresOf(const Decimal& grams, const Decimal& density) {
  // A basic product without a specific weight (or a missing one) divides by
  // zero: Decimal answers 0, so the line has no litres and loading goes on.
  return (grams / kThousand / density).rounded(2);
}

void sumOrderLines(OrderLoading& loading) {
  loading.total = Decimal(0).rounded(2);
  loading.volumeTotal = Decimal(0).rounded(2);
  for (const LoadedLine& line : loading.lines) {
    loading.total = (loading.total + line.grams).rounded(2);
    loading.volumeTotal = (loading.volumeTotal + line.litres).rounded(2);
  }
  // No litres (no lines, or none with a specific weight) divides by zero:
  // Decimal answers 0, so the batch's specific weight is 0.
  loading.specificWeight = (loading.total / (loading.volumeTotal * kThousand)).rounded(4);
}

OrderLoading loadStandard(const FormulaTerms& formula, std::span<const FormulaLineTerms> lines,
                          const Decimal& quantity) {
  const Decimal volume = formulaVolume(formula);
  const Decimal a = partA(formula, quantity);
  std::vector<Decimal> grams;
  grams.reserve(lines.size());
  // A formula volume of 0 divides by zero: each line gets 0 grams.
  for (const FormulaLineTerms& line : lines) grams.push_back((line.quantity * a / volume * kThousand).rounded(4));
  return finish(a, lines, std::move(grams));
}

OrderLoading loadDirect(const FormulaTerms& formula, std::span<const FormulaLineTerms> lines,
                        const Decimal& quantity) {
  const Decimal a = quantity.rounded(2);
  std::vector<Decimal> grams;
  grams.reserve(lines.size());
  // A formula of quantity 0 divides by zero: each line gets 0 grams.
  for (const FormulaLineTerms& line : lines)
    grams.push_back((line.quantity / formula.quantity * a * kThousand).rounded(4));
  return finish(a, lines, std::move(grams));
}

}  // namespace bv
