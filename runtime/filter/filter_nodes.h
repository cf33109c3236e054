#pragma once
// The compiled form of a filter expression: a tree of conditions over operands,
// with names already resolved to binding slots and literals folded. Nothing here
// allocates while a condition over numbers is tested.
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "runtime/decimal.h"
#include "runtime/filter/filter_binding.h"
#include "runtime/filter/filter_lexer.h"
#include "runtime/picture.h"

namespace bv::filter_detail {

// Something that gives a value for the current record.
class Operand {
 public:
  explicit Operand(FilterValue::Kind kind) : kind_(kind) {}
  virtual ~Operand() = default;
  FilterValue::Kind kind() const { return kind_; }
  bool isNumber() const { return kind_ == FilterValue::Kind::Number; }
  // The value of a number operand.
  virtual Decimal number(const FilterBinding& b) const;
  // The value of a text operand; a number operand gives its plain text.
  virtual QString text(const FilterBinding& b) const;
  // A number when the operand is one or its text is numeric.
  std::optional<Decimal> numeric(const FilterBinding& b) const;

  // Set for literals and for functions of literals only.
  virtual const FilterValue* constant() const { return nullptr; }
  // Set for a slot read straight from the binding.
  virtual int slot() const { return -1; }

 private:
  FilterValue::Kind kind_;
};
using OperandPtr = std::unique_ptr<const Operand>;

class ConstantOperand final : public Operand {
 public:
  explicit ConstantOperand(FilterValue v) : Operand(v.kind), value_(std::move(v)) {}
  Decimal number(const FilterBinding&) const override { return value_.number; }
  QString text(const FilterBinding&) const override { return value_.asText(); }
  const FilterValue* constant() const override { return &value_; }

 private:
  FilterValue value_;
};

class SlotOperand final : public Operand {
 public:
  SlotOperand(int slot, FilterValue::Kind kind) : Operand(kind), slot_(slot) {}
  Decimal number(const FilterBinding& b) const override { return b.number(slot_); }
  QString text(const FilterBinding& b) const override;
  int slot() const override { return slot_; }

 private:
  int slot_;
};

class UpperOperand final : public Operand {
 public:
  explicit UpperOperand(OperandPtr text) : Operand(FilterValue::Kind::Text), text_(std::move(text)) {}
  QString text(const FilterBinding& b) const override;

 private:
  OperandPtr text_;
};

class SubOperand final : public Operand {
 public:
  SubOperand(OperandPtr text, OperandPtr start, OperandPtr length)
      : Operand(FilterValue::Kind::Text), text_(std::move(text)), start_(std::move(start)), length_(std::move(length)) {}
  QString text(const FilterBinding& b) const override;

 private:
  OperandPtr text_, start_, length_;
};

class InStringOperand final : public Operand {
 public:
  InStringOperand(OperandPtr part, OperandPtr text, OperandPtr step, OperandPtr start)
      : Operand(FilterValue::Kind::Number),
        part_(std::move(part)), text_(std::move(text)), step_(std::move(step)), start_(std::move(start)) {}
  Decimal number(const FilterBinding& b) const override;

 private:
  OperandPtr part_, text_, step_, start_;
};

class FormatOperand final : public Operand {
 public:
  FormatOperand(OperandPtr value, Picture picture)
      : Operand(FilterValue::Kind::Text), value_(std::move(value)), picture_(std::move(picture)) {}
  QString text(const FilterBinding& b) const override;

 private:
  OperandPtr value_;
  Picture picture_;
};

// Something true or false for the current record.
class Condition {
 public:
  virtual ~Condition() = default;
  virtual bool test(const FilterBinding& b) const = 0;
  // Set when the condition does not depend on the record.
  virtual std::optional<bool> constant() const { return std::nullopt; }
};
using ConditionPtr = std::unique_ptr<const Condition>;

class ConstantCondition final : public Condition {
 public:
  explicit ConstantCondition(bool v) : value_(v) {}
  bool test(const FilterBinding&) const override { return value_; }
  std::optional<bool> constant() const override { return value_; }

 private:
  bool value_;
};

// AND (every part true) or OR (some part true), stopping at the first part that decides.
class JoinedCondition final : public Condition {
 public:
  JoinedCondition(bool all, std::vector<ConditionPtr> parts) : all_(all), parts_(std::move(parts)) {}
  bool test(const FilterBinding& b) const override;

 private:
  bool all_;
  std::vector<ConditionPtr> parts_;
};

class NegatedCondition final : public Condition {
 public:
  explicit NegatedCondition(ConditionPtr inner) : inner_(std::move(inner)) {}
  bool test(const FilterBinding& b) const override { return !inner_->test(b); }

 private:
  ConditionPtr inner_;
};

// A value used as a condition: true when a number is not zero or a text not blank.
class TruthCondition final : public Condition {
 public:
  explicit TruthCondition(OperandPtr value) : value_(std::move(value)) {}
  bool test(const FilterBinding& b) const override;

 private:
  OperandPtr value_;
};

bool holds(Relation r, int order);

// Builds the comparison of two operands: numbers compare as numbers; a text side
// compares as a number when both sides are numbers or numeric text, otherwise
// both compare as texts without trailing blanks.
ConditionPtr makeComparison(Relation r, OperandPtr left, OperandPtr right);

}  // namespace bv::filter_detail

namespace bv::filter_detail {

// A binding with no names, for evaluating what depends on literals only.
const FilterBinding& noBinding();

}  // namespace bv::filter_detail
