#include "storage/relations/linked_value.h"

#include "runtime/filter/filter_text.h"

namespace bv {
namespace {

std::optional<FieldValue> exactNumber(const Decimal& number, const FieldDef& target) {
  if (number.rounded(target.places) != number || !number.rounded(target.places).fits(target.digits, target.places))
    return std::nullopt;
  return FieldValue(number.rounded(target.places));
}

}  // namespace

std::optional<FieldValue> linkedValue(const FieldValue& value, const FieldDef& target) {
  switch (target.type) {
    case FieldType::String:
    case FieldType::Memo:
      if (const auto* text = std::get_if<QString>(&value)) return FieldValue(*text);
      if (const auto* number = std::get_if<Decimal>(&value)) return FieldValue(number->toQString());
      return std::nullopt;
    case FieldType::Decimal:
      if (const auto* number = std::get_if<Decimal>(&value)) return exactNumber(*number, target);
      if (const auto* text = std::get_if<QString>(&value)) {
        const auto number = filter_text::numericValue(*text);
        if (!number) return std::nullopt;
        return exactNumber(*number, target);
      }
      if (const auto* date = std::get_if<Date>(&value)) return exactNumber(Decimal(date->dayNumber()), target);
      return std::nullopt;
    case FieldType::Date:
      if (const auto* date = std::get_if<Date>(&value)) return FieldValue(*date);
      if (const auto* number = std::get_if<Decimal>(&value)) {
        if (number->rounded(0) != *number) return std::nullopt;
        return FieldValue(Date(static_cast<std::int32_t>(number->toInteger())));
      }
      return std::nullopt;
  }
  return std::nullopt;
}

FieldValue blankValue(const FieldDef& field) {
  switch (field.type) {
    case FieldType::Decimal:
      return Decimal::fromMantissa(0, field.places);
    case FieldType::Date:
      return Date();
    default:
      return QString();
  }
}

}  // namespace bv
