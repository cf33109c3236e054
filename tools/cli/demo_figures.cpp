#include "tools/cli/demo_figures.h"

#include <QtGlobal>
#include <string_view>

namespace bv::cli::demo {
namespace {

Decimal number(const char* text) {
  const auto d = Decimal::parse(std::string_view(text));
  if (!d) qFatal("demo data: \"%s\" is not a number", text);
  return *d;
}

const Decimal kThousand(1000);
const Decimal kHundred(100);

// A cost in pesos: dollar costs at the rate.
Decimal pesos(const Basico& b, const Decimal& rate) {
  const Decimal cost = number(b.cost);
  return b.currency == 'D' ? (cost * rate).rounded(2) : cost;
}

Decimal lessLineDiscounts(Decimal c, const Linea& line) {
  for (const char* discount : {line.boni1, line.boni2, line.boni3})
    c = ((kHundred - number(discount)) * c / kHundred).rounded(2);
  return c;
}

}  // namespace

const Basico* findBasico(const QString& code) {
  for (const Basico& b : basicos())
    if (code == QString::fromUtf8(b.code)) return &b;
  return nullptr;
}

const Terminado* findTerminado(const QString& code) {
  for (const Terminado& t : terminados())
    if (code == QString::fromUtf8(t.code)) return &t;
  return nullptr;
}

const Formula* findFormula(const QString& product) {
  for (const Formula& f : formulas())
    if (product == QString::fromUtf8(f.product)) return &f;
  return nullptr;
}

const Linea* findLinea(int code) {
  for (const Linea& l : lineas())
    if (l.code == code) return &l;
  return nullptr;
}

const TwoComponentLine* findTwoComponentLine(int line) {
  for (const TwoComponentLine& t : twoComponentLines())
    if (t.line == line) return &t;
  return nullptr;
}

FormulaFigures formulaFigures(const Formula& formula) {
  FormulaFigures out;
  Decimal total;
  Decimal totalVolume;
  for (const FormulaLine& line : formula.lines) {
    const Decimal quantity = number(line.quantity).rounded(4);
    const Basico* basic = findBasico(QString::fromUtf8(line.basic));
    const Decimal volume = basic ? (quantity / number(basic->weight)).rounded(2) : Decimal(0).rounded(2);
    out.volumes.push_back(volume);
    total = (total + quantity).rounded(4);
    totalVolume = (totalVolume + volume).rounded(2);
  }
  out.quantity = total.rounded(3);
  out.weight = (total / totalVolume).rounded(4);
  out.rel1 = Decimal(0).rounded(2);
  out.rel2 = Decimal(0).rounded(2);
  out.quantityB = Decimal(0).rounded(3);
  const Terminado* product = findTerminado(QString::fromUtf8(formula.product));
  if (const TwoComponentLine* two = product ? findTwoComponentLine(product->line) : nullptr) {
    out.rel1 = number(two->rel1).rounded(2);
    out.rel2 = number(two->rel2).rounded(2);
    out.componentB = QString::fromUtf8(two->componentB);
    out.quantityB = (out.quantity * out.rel2 / out.rel1).rounded(3);
  }
  return out;
}

OrderFigures orderFigures(const Produccion& order, const Decimal& rate, const Decimal& vatRate) {
  OrderFigures out;
  out.quantity = number(order.quantity).rounded(4);
  const QString productCode = QString::fromUtf8(order.product);
  const Terminado* product = findTerminado(productCode);
  const Formula* formula = findFormula(productCode);
  const Linea* line = findLinea(order.line);
  if (!product || !formula || !line) qFatal("demo data: order of %s without product, formula or line", order.product);
  const FormulaFigures f = formulaFigures(*formula);

  // Component B: line in two digits, the infix of the product's system and the
  // final letter of the order's size.
  if (!f.rel2.isZero()) {
    QString letter;
    for (const Relacion& r : relaciones())
      if (Decimal(r.litres) == Decimal(out.quantity.toInteger())) letter = QString::fromUtf8(r.finalLetter);
    out.componentB = QStringLiteral("%1").arg(order.line, 2, 10, QLatin1Char('0')) +
                     (product->system == 'M' ? QStringLiteral("-REAC-") : QStringLiteral("-1002-")) + letter;
  }

  // Lines scaled from the formula: line 33 by the formula's quantity, every
  // other line by its volume and the part-A share of the mixing ratio.
  const bool direct = order.line == 33;
  const Decimal partA = direct || f.rel2.isZero() ? out.quantity.rounded(2)
                                                  : (out.quantity / (f.rel1 + f.rel2) * f.rel1).rounded(2);
  const Decimal formulaVolume = (f.quantity / f.weight).rounded(3);
  Decimal total;
  Decimal totalVolume;
  for (const FormulaLine& fl : formula->lines) {
    const Decimal quantity = number(fl.quantity).rounded(4);
    const Basico* basic = findBasico(QString::fromUtf8(fl.basic));
    if (!basic) qFatal("demo data: formula of %s uses no basic product %s", order.product, fl.basic);
    const Decimal grams = direct ? (quantity / f.quantity * partA * kThousand).rounded(4)
                                 : (quantity * partA / formulaVolume * kThousand).rounded(4);
    const Decimal litres = (grams / kThousand / number(basic->weight)).rounded(2);
    out.lines.push_back({QString::fromUtf8(fl.basic), grams, litres});
    total = (total + grams).rounded(2);
    totalVolume = (totalVolume + litres).rounded(2);
  }
  out.weight = (total / (totalVolume * kThousand)).rounded(4);

  // Costs with the line's discounts, then the margin and the VAT.
  Decimal materials = Decimal(0).rounded(2);
  for (const OrderLine& ol : out.lines) {
    const Basico& basic = *findBasico(ol.basic);
    Decimal c = (pesos(basic, rate) / Decimal(basic.unitsPerCan)).rounded(2);
    c = lessLineDiscounts(c, *line);
    materials = (materials + c * ol.litres).rounded(2);
  }
  if (const Basico* b = out.componentB.isEmpty() ? nullptr : findBasico(out.componentB))
    materials = (materials + lessLineDiscounts(pesos(*b, rate), *line)).rounded(2);
  out.materials = materials;
  out.netPrice = ((number(line->margin) / kHundred + Decimal(1)) * materials).rounded(2);
  out.vat = (out.netPrice * vatRate / kHundred).rounded(2);
  out.price = (out.netPrice + out.vat).rounded(2);
  return out;
}

}  // namespace bv::cli::demo
