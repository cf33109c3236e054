#pragma once
// Turns the syntax tree into the compiled form: resolves names through the
// binding, checks that conditions and values stand where each belongs and that
// functions have their arguments, and folds what depends on literals only.
#include <QString>

#include "runtime/filter/filter_binding.h"
#include "runtime/filter/filter_nodes.h"
#include "runtime/filter/filter_syntax.h"

namespace bv::filter_detail {

// nullptr with `reason` set when the tree cannot be compiled.
ConditionPtr compile(const SyntaxNode& tree, const FilterBinding& binding, QString* reason);

}  // namespace bv::filter_detail
