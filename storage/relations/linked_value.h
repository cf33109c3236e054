#pragma once
// A value carried from a field of one table into the linked field of another.
//
// Most links join fields of one type. A text code joins a numeric code by its
// numeric value, which exists only when the whole trimmed text is a number
// ("7" and "07" join 7, "01BASE" joins nothing); a number joins a text by its
// plain digits. A number that the target field cannot hold exactly (too large,
// or with more places than the field keeps) has no linked value, so it links
// nothing rather than a rounded neighbour.
#include <optional>

#include "storage/dictionary/field_def.h"
#include "storage/dictionary/field_value.h"

namespace bv {

std::optional<FieldValue> linkedValue(const FieldValue& value, const FieldDef& target);

// The value a cleared field holds: blank text, zero, no date.
FieldValue blankValue(const FieldDef& field);

}  // namespace bv
