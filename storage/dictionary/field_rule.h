#pragma once
// Per-table field rules and the values primed into a new record, as data.
#include <QString>

namespace bv {

struct TableDef;
struct KeyDef;

// A rule on one field, checked when a record is validated.
//  - Lookup: the value must be found in `lookupTable` by `lookupKey` (message 14,
//    whose text names the looked-up table).
//  - List: the value, as a one-character text, must be one of `allowed`
//    (message 15, whose text lists the choices).
struct FieldRule {
  enum class Kind { Lookup, List };

  int field = 0;  // field number in the rule's table
  Kind kind = Kind::List;
  const TableDef* lookupTable = nullptr;
  const KeyDef* lookupKey = nullptr;  // one component, of the field's type
  QString allowed;                    // "DP"
  int message = 0;                    // 14 or 15
  QString fieldText;                  // "BAS:Moneda"
  QString messageText;                // "Linea", "'Dolar','Peso'"
};

// A value a new record starts with; every other field starts cleared.
struct PrimedValue {
  enum class Kind { Text, Today };

  int field = 0;
  Kind kind = Kind::Text;
  QString text;  // for Kind::Text
};

}  // namespace bv
