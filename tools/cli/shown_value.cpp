#include "tools/cli/shown_value.h"

namespace bv::cli {

QString shownValue(const QString& value) {
  QString out;
  qsizetype taken = 0;
  for (; taken < value.size() && out.size() < kShownValueLength; ++taken) {
    const QChar c = value[taken];
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
      out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
    else
      out += c;
  }
  if (taken < value.size()) out += QStringLiteral("… (%1 caracteres)").arg(value.size());
  return out;
}

}  // namespace bv::cli
