#pragma once
// The parsed form of a filter expression, before names are resolved.
#include <QString>
#include <vector>

#include "runtime/decimal.h"
#include "runtime/filter/filter_lexer.h"

namespace bv::filter_detail {

struct SyntaxNode {
  enum class Type { Or, And, Not, Comparison, Name, Number, Text, Picture, Call };
  Type type = Type::Text;
  QString text;  // name, function name (upper case), text or picture
  Decimal number;
  Relation relation = Relation::Equal;
  int position = 0;
  std::vector<SyntaxNode> children;  // operands, or a call's arguments
};

}  // namespace bv::filter_detail
