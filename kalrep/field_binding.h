#pragma once
// How a column is bound to the caller's variable.
//
// ADDFIELD receives the caller's own variable, by reference, and the library
// reads it each time a record is handed over (TAKERECORD), so the caller only
// fills its variables and calls TAKERECORD. The binding keeps a pointer to a
// text, a decimal, a date or a time; the variable must outlive the export. A
// temporary cannot be bound: it would be gone by the time the record is read.
#include <QString>
#include <variant>

#include "runtime/date_time.h"
#include "runtime/decimal.h"
#include "runtime/picture.h"

namespace bv {

class FieldBinding {
 public:
  FieldBinding() = default;
  FieldBinding(const QString& v) : ref_(&v) {}  // NOLINT(google-explicit-constructor)
  FieldBinding(const Decimal& v) : ref_(&v) {}  // NOLINT(google-explicit-constructor)
  FieldBinding(const Date& v) : ref_(&v) {}     // NOLINT(google-explicit-constructor)
  FieldBinding(const Time& v) : ref_(&v) {}     // NOLINT(google-explicit-constructor)
  FieldBinding(QString&&) = delete;
  FieldBinding(Decimal&&) = delete;
  FieldBinding(Date&&) = delete;
  FieldBinding(Time&&) = delete;

  bool isBound() const { return !std::holds_alternative<std::monostate>(ref_); }
  // The variable's current value shown with the picture; without a picture
  // (one that does not parse) its plain text.
  QString format(const Picture* picture) const;

 private:
  std::variant<std::monostate, const QString*, const Decimal*, const Date*, const Time*> ref_;
};

}  // namespace bv
