#include "kalrep/field_binding.h"

namespace bv {
namespace {

QString plainText(const QString& v) { return v; }
QString plainText(const Decimal& v) { return v.toQString(); }
QString plainText(const Date& v) { return v.toIso(); }
QString plainText(const Time& v) {
  return v.isNull() ? QString() : v.toQTime().toString(QStringLiteral("HH:mm:ss"));
}

}  // namespace

QString FieldBinding::format(const Picture* picture) const {
  return std::visit(
      [picture](const auto& ref) -> QString {
        if constexpr (std::is_same_v<std::decay_t<decltype(ref)>, std::monostate>) {
          return QString();
        } else {
          return picture ? picture->format(*ref) : plainText(*ref);
        }
      },
      ref_);
}

}  // namespace bv
