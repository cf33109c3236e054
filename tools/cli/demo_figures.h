#pragma once
// The figures of the demo data set that the system itself derives: a formula's
// quantity, line volumes and specific weight (as the formula form computes them
// on save), so that the stored records look exactly as if they had been entered
// on the windows. Production orders are entered through the order procedure itself.
#include <QString>
#include <optional>
#include <vector>

#include "runtime/decimal.h"
#include "tools/cli/demo_catalogue.h"

namespace bv::cli::demo {

const Basico* findBasico(const QString& code);
const Terminado* findTerminado(const QString& code);
const TwoComponentLine* findTwoComponentLine(int line);

struct FormulaFigures {
  Decimal quantity;              // FOR1:CANTIDAD: the sum of the lines, 3 places
  Decimal weight;                // FOR1:PESO_ESPECIFICO, 4 places
  std::vector<Decimal> volumes;  // FOR2:VOLUMEN per line, 2 places
  Decimal rel1, rel2;            // mixing ratio, zero for one component
  QString componentB;
  Decimal quantityB;             // FOR1:CANTIDADB, 3 places
};

FormulaFigures formulaFigures(const Formula& formula);

}  // namespace bv::cli::demo
