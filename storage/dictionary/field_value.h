#pragma once
// One value of a field, whatever its type: texts (strings and the memo), decimals
// and dates. The storage layer, the table CSV and filter binding pass values so.
#include <QString>
#include <variant>

#include "runtime/date_time.h"
#include "runtime/decimal.h"

namespace bv {

using FieldValue = std::variant<QString, Decimal, Date>;

// What storing a value into a field did.
enum class SetResult {
  Stored,
  Cut,          // a text longer than the field: stored cut to the field's length
  TooLarge,     // a number the field cannot hold: refused, the field is unchanged
  WrongType,    // refused, the field is unchanged
  NoSuchField,  // unknown field or array element
};

// Did the field take the value (whole or cut)?
constexpr bool isStored(SetResult r) { return r == SetResult::Stored || r == SetResult::Cut; }

}  // namespace bv
