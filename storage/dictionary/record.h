#pragma once
// The record buffer of one table or alias: a value type holding one value per
// field (per element of an array field) and the memo.
//
// Texts are kept without trailing blanks: a fixed-length field padded with blanks
// and compared after trimming is the same thing, and the text getters return the
// value as stored (paddedText() gives the fixed-length form). A text longer than
// its field is cut to the field's length, as a fixed-length field must, and the
// setter answers Cut so that a caller that must not lose characters can refuse it;
// the memo is cut to its 2000 characters likewise. Numbers are rounded half away
// from zero to the field's places; a number the field cannot hold is refused
// (TooLarge) and the field keeps its value, so the caller can raise "Error en
// Rango" with FieldDef::largestText().
#include <QString>
#include <QStringView>
#include <vector>

#include "storage/dictionary/field_value.h"
#include "storage/dictionary/table_def.h"

namespace bv {

// Names a field of the record's table: by number (1..), by label in any case
// ("BAS:COSTO", or the memo's label), or by its definition.
class FieldSelector {
 public:
  FieldSelector(int number) : number_(number) {}                      // NOLINT
  FieldSelector(const char* label) : label_(QString::fromUtf8(label)) {}  // NOLINT
  FieldSelector(const QString& label) : label_(label) {}             // NOLINT
  FieldSelector(const FieldDef& def) : def_(&def) {}                 // NOLINT

  const FieldDef* resolve(const TableDef& table) const;

 private:
  int number_ = 0;
  QString label_;
  const FieldDef* def_ = nullptr;
};

class Record {
 public:
  Record() = default;  // no table: only assignable
  explicit Record(const TableDef& table);

  bool isValid() const { return table_ != nullptr; }
  const TableDef& table() const { return *table_; }

  // Blank texts, zero numbers (with the field's places), no dates, empty memo.
  void clear();

  // Array elements are numbered from 1. A getter on a field of another type, an
  // unknown field or element answers the cleared value.
  QString text(FieldSelector field, int index = 1) const;
  QString paddedText(FieldSelector field, int index = 1) const;
  SetResult setText(FieldSelector field, const QString& value, int index = 1);

  Decimal decimal(FieldSelector field, int index = 1) const;
  SetResult setDecimal(FieldSelector field, const Decimal& value, int index = 1);

  Date date(FieldSelector field, int index = 1) const;
  SetResult setDate(FieldSelector field, Date value, int index = 1);

  QString memo() const { return memo_; }
  SetResult setMemo(const QString& value);

  // Any field, the memo included, by its own type.
  FieldValue value(FieldSelector field, int index = 1) const;
  SetResult setValue(FieldSelector field, const FieldValue& value, int index = 1);
  FieldValue value(const Column& column) const { return value(*column.field, column.index); }
  SetResult setValue(const Column& column, const FieldValue& v) { return setValue(*column.field, v, column.index); }

  // The values of a key's components, in order.
  std::vector<FieldValue> keyValues(const KeyDef& key) const;
  // Are all of a key's components blank (texts) or zero (numbers, dates)?
  bool isBlank(const KeyDef& key) const;

  // Copies every value from a record of the same layout (a table and its alias);
  // this record keeps its own table. False, and nothing copied, otherwise.
  bool assignFrom(const Record& other);

  // Same layout and equal values, memo included.
  friend bool operator==(const Record& a, const Record& b);

 private:
  // The slot of a field's element, or -1.
  int slotOf(const FieldDef* f, int index) const;

  const TableDef* table_ = nullptr;
  std::vector<FieldValue> values_;
  QString memo_;
};

}  // namespace bv
