#include "storage/views/order_text.h"

#include <QRegularExpression>

namespace bv {

QString OrderComponent::text() const {
  const QString name = upper ? QStringLiteral("UPPER(") + label + u')' : label;
  return descending ? u'-' + name : name;
}

std::optional<std::vector<OrderComponent>> parseOrder(const QString& text) {
  static const QRegularExpression name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_:]*$"));
  static const QRegularExpression upper(QStringLiteral("^UPPER\\s*\\(\\s*([^()\\s]+)\\s*\\)$"),
                                        QRegularExpression::CaseInsensitiveOption);
  std::vector<OrderComponent> out;
  for (QString part : text.split(u',')) {
    part = part.trimmed();
    OrderComponent c;
    if (part.startsWith(u'-') || part.startsWith(u'+')) {
      c.descending = part.startsWith(u'-');
      part = part.mid(1).trimmed();
    }
    if (const auto m = upper.match(part); m.hasMatch()) {
      c.upper = true;
      part = m.captured(1);
    }
    if (!name.match(part).hasMatch()) return std::nullopt;
    c.label = part;
    out.push_back(std::move(c));
  }
  return out;
}

QString keyOrder(const ManagerKey& key) {
  QStringList parts;
  for (const KeyComponent& c : key.components) parts << (c.ascending ? QString() : QStringLiteral("-")) + c.filterText;
  return parts.join(u',');
}

QString withExtraOrder(const QString& keyOrder, const QString& extra) {
  const QString e = extra.trimmed();
  if (e.isEmpty()) return keyOrder;
  if (e.startsWith(u'*')) return e.mid(1).trimmed();
  if (keyOrder.isEmpty()) return e;
  return keyOrder + u',' + e;
}

}  // namespace bv
