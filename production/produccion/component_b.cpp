#include "production/produccion/component_b.h"

using namespace Qt::StringLiterals;

namespace bv {

std::optional<QString> relationFinalCode(std::span<const RelationRow> rows, const Decimal& quantity) {
  const long long litres = quantity.rounded(0).toInteger();
  for (const RelationRow& row : rows)
    if (row.litres == litres) return row.finalCode;
  return std::nullopt;
}

QString componentBCode(int line, QChar system, const QString& finalCode) {
  QString letter = finalCode;
  while (letter.endsWith(u' ')) letter.chop(1);
  return u"%1%2%3"_s.arg(line, 2, 10, QChar(u'0')).arg(system == u'M' ? u"-REAC-"_s : u"-1002-"_s, letter);
}

QString complementText(const QString& code, const QString& description) {
  return (u"Complemento: "_s + code + u' ' + description).left(80);
}

}  // namespace bv
