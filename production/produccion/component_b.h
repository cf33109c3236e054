#pragma once
// The second component (part B) of a production order. Its code is built
// from the order's line, the product's system and the final letter that
// Relacion pairs with the quantity in litres:
//
//   componentBCode(5, u'M', u"A") == "05-REAC-A"
//   componentBCode(7, u'P', u"B") == "07-1002-B"
#include <optional>
#include <span>

#include <QString>

#include "runtime/decimal.h"

namespace bv {

// One row of Relacion: a quantity in litres and its final letter.
struct RelationRow {
  int litres = 0;     // REL:CANTIDAD
  QString finalCode;  // REL:CODFINAL
};

// The final letter of `quantity` (PRO1:CANTIDAD), looked up as REL:CANTIDAD
// holds it (a whole number, rounded as a store rounds), or nothing when no
// row has that quantity.
std::optional<QString> relationFinalCode(std::span<const RelationRow> rows, const Decimal& quantity);

// The line as two digits, "-REAC-" for system 'M' and "-1002-" otherwise,
// then the final letter without trailing blanks.
QString componentBCode(int line, QChar system, const QString& finalCode);

// LOC:TEXTOB: "Complemento: " + code + " " + description, cut to 80 characters.
QString complementText(const QString& code, const QString& description);

}  // namespace bv
