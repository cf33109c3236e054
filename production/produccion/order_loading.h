#pragma once
// Loading the lines of a production order from the product's formula, scaled
// to the quantity ordered. Every value is stored with its places before the
// next step uses it, as the form's fields and working values hold them:
// formula volume 3 decimals, part A 2, grams 4, litres 2, totals 2, specific
// weight 4.
//
//   OrderLoading l = loadStandard(formula, lines, quantity);   // every line but 33
//   OrderLoading l = loadDirect(formula, lines, quantity);     // line 33
//   // l.lines[i] -> PRO2:CANTIDAD / PRO2:VOLUMEN, l.specificWeight -> PRO1:PESO_ESPECIFICO
#include <span>
#include <vector>

#include "runtime/decimal.h"

namespace bv {

// What the loading takes from the formula header (Formula1).
struct FormulaTerms {
  Decimal quantity;        // FOR1:CANTIDAD
  Decimal specificWeight;  // FOR1:PESO_ESPECIFICO
  Decimal rel1;            // FOR1:REL1
  Decimal rel2;            // FOR1:REL2
};

// One formula line (Formula2) with the specific weight of its basic product
// (0 when the basic product is missing).
struct FormulaLineTerms {
  Decimal quantity;  // FOR2:CANTIDAD
  Decimal density;   // BAS:PESO_ESPECIFICO
};

struct LoadedLine {
  Decimal grams;   // PRO2:CANTIDAD, 4 decimals
  Decimal litres;  // PRO2:VOLUMEN, 2 decimals
};

struct OrderLoading {
  Decimal partA;                  // 2 decimals
  std::vector<LoadedLine> lines;  // in formula line order
  Decimal total;                  // TOTAL, grams, 2 decimals
  Decimal volumeTotal;            // VOLTOT, litres, 2 decimals
  Decimal specificWeight;         // PRO1:PESO_ESPECIFICO, 4 decimals
};

// FOR1:CANTIDAD over FOR1:PESO_ESPECIFICO, 3 decimals.
Decimal formulaVolume(const FormulaTerms& formula);

// The part A of `quantity` (PRO1:CANTIDAD): its share REL1 / (REL1 + REL2)
// when the formula has a part B (REL2 not zero), else the whole; 2 decimals.
Decimal partA(const FormulaTerms& formula, const Decimal& quantity);

// The litres of `grams` of a basic product of specific weight `density`, 2 decimals.
Decimal litresOf(const Decimal& grams, const Decimal& density);

// TOTAL, VOLTOT and the specific weight TOTAL / (VOLTOT x 1000) of the lines.
void sumOrderLines(OrderLoading& loading);

// The standard loading: grams := FOR2:CANTIDAD x part A / formula volume x 1000.
OrderLoading loadStandard(const FormulaTerms& formula, std::span<const FormulaLineTerms> lines,
                          const Decimal& quantity);

// The direct loading of line 33, whose quantity is in the unit of the formula's
// quantity: part A is the whole quantity and grams := FOR2:CANTIDAD /
// FOR1:CANTIDAD x part A x 1000.
OrderLoading loadDirect(const FormulaTerms& formula, std::span<const FormulaLineTerms> lines,
                        const Decimal& quantity);

// The line whose orders are loaded directly.
inline constexpr int kDirectLoadingLine = 33;

}  // namespace bv
