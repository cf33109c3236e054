#pragma once
// A value as filter expressions see it: a number (decimals, and dates as day
// numbers) or a text.
#include <QString>

#include "runtime/decimal.h"

namespace bv {

struct FilterValue {
  enum class Kind { Text, Number };

  static FilterValue ofText(QString t) { return {Kind::Text, std::move(t), Decimal()}; }
  static FilterValue ofNumber(Decimal n) { return {Kind::Number, QString(), n}; }

  bool isNumber() const { return kind == Kind::Number; }
  // The text a number shows in a text comparison: its plain digits and places.
  QString asText() const { return isNumber() ? number.toQString() : text; }

  Kind kind = Kind::Text;
  QString text;
  Decimal number;
};

}  // namespace bv
