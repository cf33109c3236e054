#include "production/costing/line_cost.h"

#include "storage/dictionary/record.h"

namespace bv {
namespace {

// LOC:COSTO holds 2 decimals: every step is stored through it.
Decimal stored(const Decimal& value) { return value.rounded(2); }

}  // namespace

BasicCostTerms basicCostTerms(const Record& basic) {
  const QString prefix = basic.table().prefix;
  const auto field = [&](const char* name) { return prefix + u':' + QString::fromLatin1(name); };
  BasicCostTerms terms;
  terms.cost = basic.decimal(field("COSTO"));
  terms.inDollars = basic.text(field("MONEDA")) == QStringLiteral("D");
  terms.unitsPerCan = basic.decimal(field("UNIDAD_POR_LATA"));
  for (int i = 0; i < 4; ++i)
    terms.discounts[std::size_t(i)] = basic.decimal(field("BONIFICACION") + QString::number(i + 1));
  return terms;
}

Decimal lineCost(const BasicCostTerms& basic, const Decimal& rate, const Decimal& quantity) {
  Decimal cost = stored(basic.inDollars ? basic.cost * rate : basic.cost);
  // A basic product without units per can divides by zero: Decimal answers 0,
  // so the line costs nothing and the sheet goes on with the next line.
  cost = stored(cost / basic.unitsPerCan);
  const Decimal hundred(100);
  for (const Decimal& discount : basic.discounts) cost = stored(cost - cost * discount / hundred);
  return stored(cost * quantity);
}

}  // namespace bv
