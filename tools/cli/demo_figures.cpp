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

}  // namespace bv::cli::demo
