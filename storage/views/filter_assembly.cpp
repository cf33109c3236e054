#include "storage/views/filter_assembly.h"

#include <QStringList>

namespace bv {

QString filterLiteral(const FieldValue& value, bool upper) {
  if (const auto* text = std::get_if<QString>(&value)) {
    QString quoted = u'\'' + QString(*text).replace(u'\'', QStringLiteral("''")) + u'\'';
    return upper ? QStringLiteral("UPPER(") + quoted + u')' : quoted;
  }
  if (const auto* number = std::get_if<Decimal>(&value)) return number->toQString();
  return QString::number(std::get<Date>(value).dayNumber());
}

namespace {

bool upperOf(const KeyComponent& c) { return c.filterText.startsWith(QStringLiteral("UPPER(")); }

QStringList equalities(const std::vector<KeyComponent>& components, const std::vector<FieldValue>& values) {
  QStringList parts;
  for (std::size_t i = 0; i < values.size() && i < components.size(); ++i)
    parts << components[i].filterText + QStringLiteral(" = ") + filterLiteral(values[i], upperOf(components[i]));
  return parts;
}

}  // namespace

QString rangeText(const std::vector<KeyComponent>& components, const std::vector<FieldValue>& values) {
  return equalities(components, values).join(QStringLiteral(" AND "));
}

QString rangeText(const std::vector<KeyComponent>& components, const std::vector<FieldValue>& leading,
                  const FieldValue& low, const FieldValue& high) {
  QStringList parts = equalities(components, leading);
  if (leading.size() < components.size()) {
    const KeyComponent& last = components[leading.size()];
    const bool upper = upperOf(last);
    parts << last.filterText + QStringLiteral(" >= ") + filterLiteral(low, upper) + QStringLiteral(" AND ") +
                 last.filterText + QStringLiteral(" <= ") + filterLiteral(high, upper);
  }
  return parts.join(QStringLiteral(" AND "));
}

QString assembleFilter(const QString& range, const QMap<QString, QString>& filters) {
  QStringList parts;
  if (!range.isEmpty()) parts << range;
  for (auto it = filters.cbegin(); it != filters.cend(); ++it)
    if (!it.value().trimmed().isEmpty()) parts << u'(' + it.value() + u')';
  return parts.join(QStringLiteral(" AND "));
}

}  // namespace bv
