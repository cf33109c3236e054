#include "storage/views/key_compare.h"

#include "runtime/filter/filter_text.h"

namespace bv {
namespace {

int sign(std::strong_ordering o) { return o < 0 ? -1 : o > 0 ? 1 : 0; }

int compareTexts(const QString& a, const QString& b, bool upper) {
  return upper ? filter_text::compare(filter_text::upper(a), filter_text::upper(b)) : filter_text::compare(a, b);
}

}  // namespace

int compareKeyValues(const FieldValue& a, const FieldValue& b, bool upper) {
  if (const auto* x = std::get_if<QString>(&a))
    if (const auto* y = std::get_if<QString>(&b)) return compareTexts(*x, *y, upper);
  if (const auto* x = std::get_if<Decimal>(&a))
    if (const auto* y = std::get_if<Decimal>(&b)) return sign(*x <=> *y);
  if (const auto* x = std::get_if<Date>(&a))
    if (const auto* y = std::get_if<Date>(&b)) return sign(x->dayNumber() <=> y->dayNumber());
  // Values of different kinds never share a key; keep an order all the same.
  return sign(a.index() <=> b.index());
}

int compareKeyValues(const std::vector<FieldValue>& a, const std::vector<FieldValue>& b,
                     const std::vector<bool>& upper) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (const int c = compareKeyValues(a[i], b[i], i < upper.size() && upper[i]); c != 0) return c;
  return 0;
}

int compareOrderValues(const FilterValue& a, const FilterValue& b, bool upper) {
  if (a.isNumber() && b.isNumber()) return sign(a.number <=> b.number);
  return compareTexts(a.asText(), b.asText(), upper);
}

}  // namespace bv
