#pragma once
// What a locator makes of the typed text. Every locator is case-insensitive:
// a text field is compared upper-cased, and the typed text is upper-cased.
#include "shell/browse/list_declaration.h"
#include "storage/dictionary/record.h"

#include <QString>

namespace bv {

// Characters a locator's entry holds.
inline constexpr int kLocatorLength = 40;

// The expression a filter locator tests: the declared one when it is an
// "UPPER(" expression, "UPPER(field)" for a text field, else the field itself.
QString locatorExpression(const ListLocator& locator, const FieldDef* field);

// The filter a filter locator installs for the typed text (trailing blanks
// left out); empty when the text is, which removes the locator's filter. A
// quote in the text is doubled, so it is compared as a character.
//   begins-with: SUB(expr,1,n) = 'TEXT'
//   contains:    INSTRING('TEXT',expr,1,1) <> 0
QString locatorFilter(const ListLocator& locator, const FieldDef* field, const QString& typed);

// For a positioning locator: the key values to position at, with the locator's
// field set from the typed text (upper-cased; a number or date read through
// the locator's picture) and every other field at its lowest. False when the
// text is empty: the list then starts at its first record.
bool locatorValues(const ListLocator& locator, const FieldDef& field, const QString& typed, Record& values);

}  // namespace bv
