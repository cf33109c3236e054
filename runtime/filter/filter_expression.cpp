#include "runtime/filter/filter_expression.h"

#include "runtime/filter/filter_compiler.h"
#include "runtime/filter/filter_parser.h"

namespace bv {

std::optional<FilterExpression> FilterExpression::compile(const QString& text, const FilterBinding& binding,
                                                          QString* reason) {
  if (text.size() > kLongest) {
    if (reason)
      *reason = QStringLiteral("La expresión tiene %1 caracteres y admite %2 como máximo").arg(text.size()).arg(kLongest);
    return std::nullopt;
  }
  if (text.trimmed().isEmpty())
    return FilterExpression(text, std::make_shared<filter_detail::ConstantCondition>(true));
  const auto tree = filter_detail::parse(text, reason);
  if (!tree) return std::nullopt;
  filter_detail::ConditionPtr root = filter_detail::compile(*tree, binding, reason);
  if (!root) return std::nullopt;
  return FilterExpression(text, std::shared_ptr<const filter_detail::Condition>(std::move(root)));
}

bool FilterExpression::evaluate(const FilterBinding& binding) const { return root_->test(binding); }

}  // namespace bv
