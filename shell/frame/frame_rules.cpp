#include "shell/frame/frame_rules.h"

namespace bv {

Decimal nextProductionNumber(const std::optional<Decimal>& highest) {
  const Decimal next = (highest ? highest->rounded(0) : Decimal(0)) + Decimal(1);
  return next.isZero() ? Decimal(1) : next;
}

QString parametersAction(bool parametHasRecord) {
  return parametHasRecord ? QStringLiteral("M") : QStringLiteral("A");
}

bool restrictedEntriesAllowed(const QString& modificaFormulas) {
  return modificaFormulas == QLatin1String("S");
}

}  // namespace bv
