#pragma once
// Splits a filter expression into tokens.
#include <QString>
#include <optional>
#include <vector>

#include "runtime/decimal.h"

namespace bv::filter_detail {

// How a comparison relates its two sides.
enum class Relation { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };

Relation negated(Relation r);

struct Token {
  enum class Type {
    Name,        // a label or bound name, also AND, OR, NOT and function names
    Number,      // digits with optional decimals and leading minus
    Text,        // a quoted text, quotes undoubled
    Picture,     // a display picture written bare with its leading "@"
    Comparison,  // = <> < > <= >= => =< and the "~" (not) forms
    Open,
    Close,
    Comma,
    End,
  };
  Type type = Type::End;
  QString text;     // the name, the text's content or the picture
  Decimal number;
  Relation relation = Relation::Equal;
  int position = 0;  // 1-based, for the reasons given to the user
};

// The tokens of `source`, ending with an End token; nullopt with `reason` set when
// a character cannot start a token or a text is not closed.
std::optional<std::vector<Token>> tokenize(const QString& source, QString* reason);

}  // namespace bv::filter_detail
