#pragma once
// One field of a table's record, as the data dictionary declares it.
#include <QString>
#include <vector>

#include "runtime/decimal.h"

namespace bv {

enum class FieldType { String, Decimal, Date, Memo };

// One choice of an option field: the stored letter and the text the window shows.
struct FieldOption {
  QString value;  // "D"
  QString text;   // "Dolar"
};

struct FieldDef {
  // Record fields are numbered from 1 in declaration order; the memo, kept beside
  // the record, has number 0.
  int number = 0;
  QString name;         // "COSTO"
  QString label;        // "BAS:COSTO"
  // The field as messages name it, in mixed case: "BAS:Moneda", "PRO1:Codigo_Terminado".
  QString messageText;
  FieldType type = FieldType::String;
  // Bytes of one element in the record: STRING(n) n, DECIMAL(b, p) b, DATE 4, memo 0.
  int width = 0;
  // Characters a text holds: STRING(n) n, the memo 2000; 0 for numbers and dates.
  int length = 0;
  // A packed decimal of b bytes holds 2b-1 digits, `places` of them decimals.
  int digits = 0;
  int places = 0;
  int arrayLength = 1;  // PLA:BASICO holds 25 elements
  QString picture;      // display picture: "s13", "n7.4", "d6"
  QString prompt;       // prompt of the form: "&Código:"
  QString heading;      // list column heading where it differs from the prompt
  QString hint;
  std::vector<FieldOption> options;
  // Where the field's first element sits in a record's list of values.
  int slot = 0;

  bool isArray() const { return arrayLength > 1; }
  bool isText() const { return type == FieldType::String || type == FieldType::Memo; }
  // Bytes the field takes in the record, all elements together.
  int recordWidth() const { return width * arrayLength; }
  // The largest value a decimal field holds (its negative is the smallest).
  Decimal largest() const { return Decimal::largest(digits, places); }
  // The same, written with the field's places, as message 17 shows it: "999.9999".
  QString largestText() const { return largest().toQString(places); }
};

// One column of a table's rows in declaration order: each element of an array
// field is a column of its own ("PLA:BASICO[1]" .. "PLA:BASICO[25]"), the memo
// comes last.
struct Column {
  const FieldDef* field = nullptr;
  int index = 1;  // element of an array field, from 1; 1 for a plain field
  QString name;   // "BAS:CODIGO", "PLA:BASICO[3]"
};

}  // namespace bv
