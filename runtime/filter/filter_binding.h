#pragma once
// What a filter expression reads: the names it may use and, record by record,
// their values. The view engine implements it over its record buffers and the
// names bound to the view; it knows nothing of storage.
#include <QHash>
#include <QString>
#include <functional>
#include <vector>

#include "runtime/decimal.h"
#include "runtime/filter/filter_value.h"

namespace bv {

class FilterBinding {
 public:
  virtual ~FilterBinding() = default;

  // At compile time: the slot of a name (a field label, a bound variable or a
  // computed value), or -1 when the name is unknown. Labels match without regard
  // to letter case.
  virtual int resolve(const QString& name) const = 0;
  // At compile time: what a slot holds; fixed for the life of the binding.
  virtual FilterValue::Kind kind(int slot) const = 0;

  // For every record: the current value of a number slot (dates as day numbers) ...
  virtual Decimal number(int slot) const = 0;
  // ... and of a text slot.
  virtual QString text(int slot) const = 0;

  FilterValue value(int slot) const {
    return kind(slot) == FilterValue::Kind::Number ? FilterValue::ofNumber(number(slot))
                                                   : FilterValue::ofText(text(slot));
  }
};

// Names to slots without regard to letter case, for bindings to build on.
class FilterNameIndex {
 public:
  // The slot of `name`: its existing one, or the next free one.
  int add(const QString& name);
  int find(const QString& name) const { return slots_.value(name.toUpper(), -1); }
  int size() const { return static_cast<int>(slots_.size()); }

 private:
  QHash<QString, int> slots_;
};

// A binding whose names read their values through functions: the way a caller
// binds its variables and computed values ("Glo:LID", "CostoNeto") before it
// sets a filter. Binding a name again replaces how it is read; a name bound
// again with the other kind is converted for filters compiled before.
class FilterFunctionBinding : public FilterBinding {
 public:
  void bindNumber(const QString& name, std::function<Decimal()> read);
  void bindText(const QString& name, std::function<QString()> read);

  int resolve(const QString& name) const override { return names_.find(name); }
  FilterValue::Kind kind(int slot) const override { return reads_[slot].kind; }
  Decimal number(int slot) const override;
  QString text(int slot) const override;

 private:
  struct Read {
    FilterValue::Kind kind;
    std::function<Decimal()> number;
    std::function<QString()> text;
  };
  void bind(const QString& name, Read read);

  FilterNameIndex names_;
  std::vector<Read> reads_;
};

}  // namespace bv
