#pragma once
// A view filter: the expression text is compiled once against a binding and then
// tested for every record the view reads.
//
// Operands are field labels and bound names (any letter case, resolved through
// the binding), quoted texts ('D''ANGELO'), numbers (12, 1.5, -3) and the
// functions UPPER(text), SUB(text, start, length), INSTRING(part, text, step,
// start) and FORMAT(value, picture). Comparisons are = <> < > <= >= (also => and
// =<, and the "~" forms); conditions join with AND, OR and NOT in any letter case,
// grouped by parentheses. Two numbers, or a number and numeric text, or two
// numeric texts, compare as numbers; anything else compares as text, binary,
// without trailing blanks. A blank expression passes every record.
#include <QString>
#include <memory>
#include <optional>

#include "runtime/filter/filter_binding.h"

namespace bv {

namespace filter_detail {
class Condition;
}

class FilterExpression {
 public:
  static constexpr int kLongest = 5000;

  // The compiled filter, or nullopt with a reason in Spanish when the text is
  // longer than kLongest characters or does not parse against `binding` (an
  // unknown name or function, a bad character, unbalanced parentheses, a wrong
  // count of arguments, a picture that does not parse).
  static std::optional<FilterExpression> compile(const QString& text, const FilterBinding& binding,
                                                 QString* reason = nullptr);

  // Does the binding's current record pass? `binding` is the one compiled
  // against, or one that resolves the same names to the same slots.
  bool evaluate(const FilterBinding& binding) const;

  const QString& text() const { return text_; }

 private:
  FilterExpression(QString text, std::shared_ptr<const filter_detail::Condition> root)
      : text_(std::move(text)), root_(std::move(root)) {}

  QString text_;
  std::shared_ptr<const filter_detail::Condition> root_;  // immutable, so copies share it
};

}  // namespace bv
