#pragma once
// Reads the tokens of a filter expression into its syntax tree:
//   or         := and { OR and }
//   and        := not { AND not }
//   not        := ( NOT | "~" ) not | comparison
//   comparison := primary [ [NOT] relation primary ]
//   primary    := "(" or ")" | number | text | picture | name | name "(" [ or { "," or } ] ")"
// Keywords are read in any letter case. Whether each part is a condition or a
// value is checked afterwards, when names are resolved.
#include <QString>
#include <optional>

#include "runtime/filter/filter_syntax.h"

namespace bv::filter_detail {

std::optional<SyntaxNode> parse(const QString& source, QString* reason);

}  // namespace bv::filter_detail
