#pragma once
// The figures of the demo data set that the system itself derives: a formula's
// quantity, line volumes and specific weight (as the formula form computes them
// on save), and a production order's lines, weight and prices (as the
// production form builds them from line, product and quantity), so that the
// stored records look exactly as if they had been entered on the windows.
#include <QString>
#include <optional>
#include <vector>

#include "runtime/decimal.h"
#include "tools/cli/demo_catalogue.h"

namespace bv::cli::demo {

const Basico* findBasico(const QString& code);
const Terminado* findTerminado(const QString& code);
const Formula* findFormula(const QString& product);
const Linea* findLinea(int code);
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

struct OrderLine {
  QString basic;
  Decimal grams;   // PRO2:CANTIDAD, 4 places
  Decimal litres;  // PRO2:VOLUMEN, 2 places
};

struct OrderFigures {
  Decimal quantity;   // PRO1:CANTIDAD
  Decimal weight;     // PRO1:PESO_ESPECIFICO
  QString componentB; // "05-REAC-B": line, infix by system, final letter of the size
  Decimal materials;  // cost of the batch's materials in pesos
  Decimal netPrice;
  Decimal vat;
  Decimal price;      // PRO1:COSTO_DE_PRODUCCION, with VAT
  std::vector<OrderLine> lines;
};

// The order as the production form builds it, at the given dollar rate.
OrderFigures orderFigures(const Produccion& order, const Decimal& rate, const Decimal& vatRate);

}  // namespace bv::cli::demo
