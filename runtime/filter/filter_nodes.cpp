#include "runtime/filter/filter_nodes.h"

#include "runtime/filter/filter_text.h"

namespace bv::filter_detail {
namespace {

class NoBinding final : public FilterBinding {
 public:
  int resolve(const QString&) const override { return -1; }
  FilterValue::Kind kind(int) const override { return FilterValue::Kind::Text; }
  Decimal number(int) const override { return Decimal(); }
  QString text(int) const override { return QString(); }
};

template <Relation R, class T>
bool relate(const T& a, const T& b) {
  if constexpr (R == Relation::Equal) return a == b;
  else if constexpr (R == Relation::NotEqual) return a != b;
  else if constexpr (R == Relation::Less) return a < b;
  else if constexpr (R == Relation::LessEqual) return a <= b;
  else if constexpr (R == Relation::Greater) return a > b;
  else return a >= b;
}

int orderOf(std::strong_ordering o) { return o < 0 ? -1 : o > 0 ? 1 : 0; }

// Values of one scale (the usual case: a field against a bound variable or a
// literal of its kind) compare on their mantissas without aligning scales.
template <Relation R>
bool relateNumbers(const Decimal& a, const Decimal& b) {
  if (a.scale() == b.scale()) return relate<R>(a.mantissa(), b.mantissa());
  return relate<R>(orderOf(a <=> b), 0);
}

Relation mirrored(Relation r) {
  switch (r) {
    case Relation::Less: return Relation::Greater;
    case Relation::LessEqual: return Relation::GreaterEqual;
    case Relation::Greater: return Relation::Less;
    case Relation::GreaterEqual: return Relation::LessEqual;
    default: return r;
  }
}

long long integerOf(const Operand& o, const FilterBinding& b) {
  const auto n = o.numeric(b);
  return n ? n->toInteger() : 0;
}

// The dedicated comparisons of two numbers: two slots, a slot and a literal,
// or any two number operands.
template <Relation R>
class SlotsComparison final : public Condition {
 public:
  SlotsComparison(int left, int right) : left_(left), right_(right) {}
  bool test(const FilterBinding& b) const override { return relateNumbers<R>(b.number(left_), b.number(right_)); }

 private:
  int left_, right_;
};

template <Relation R>
class SlotConstantComparison final : public Condition {
 public:
  SlotConstantComparison(int slot, Decimal constant) : slot_(slot), constant_(constant) {}
  bool test(const FilterBinding& b) const override { return relateNumbers<R>(b.number(slot_), constant_); }

 private:
  int slot_;
  Decimal constant_;
};

template <Relation R>
class NumbersComparison final : public Condition {
 public:
  NumbersComparison(OperandPtr left, OperandPtr right) : left_(std::move(left)), right_(std::move(right)) {}
  bool test(const FilterBinding& b) const override { return relateNumbers<R>(left_->number(b), right_->number(b)); }

 private:
  OperandPtr left_, right_;
};

// A comparison with a text side. A literal side is read once here: a literal
// text that is not numeric makes the whole comparison one of texts.
class MixedComparison final : public Condition {
 public:
  MixedComparison(Relation r, OperandPtr left, OperandPtr right)
      : relation_(r), left_(std::move(left)), right_(std::move(right)) {
    for (const Operand* side : {left_.get(), right_.get()}) {
      const FilterValue* c = side->constant();
      if (c && !c->isNumber() && !filter_text::numericValue(c->text)) textsOnly_ = true;
    }
  }

  bool test(const FilterBinding& b) const override {
    Side l = read(*left_, b), r = read(*right_, b);
    if (l.number && r.number) return holds(relation_, orderOf(*l.number <=> *r.number));
    return holds(relation_, filter_text::compare(textOf(l), textOf(r)));
  }

 private:
  struct Side {
    std::optional<Decimal> number;
    QString text;
    bool isNumber = false;
  };

  Side read(const Operand& o, const FilterBinding& b) const {
    Side s;
    if (o.isNumber()) {
      s.number = o.number(b);
      s.isNumber = true;
    } else {
      s.text = o.text(b);
      if (!textsOnly_) s.number = filter_text::numericValue(s.text);
    }
    return s;
  }
  static QString textOf(const Side& s) { return s.isNumber ? s.number->toQString() : s.text; }

  Relation relation_;
  OperandPtr left_, right_;
  bool textsOnly_ = false;
};

template <template <Relation> class C, class... A>
ConditionPtr forRelation(Relation r, A&&... args) {
  switch (r) {
    case Relation::Equal: return std::make_unique<C<Relation::Equal>>(std::forward<A>(args)...);
    case Relation::NotEqual: return std::make_unique<C<Relation::NotEqual>>(std::forward<A>(args)...);
    case Relation::Less: return std::make_unique<C<Relation::Less>>(std::forward<A>(args)...);
    case Relation::LessEqual: return std::make_unique<C<Relation::LessEqual>>(std::forward<A>(args)...);
    case Relation::Greater: return std::make_unique<C<Relation::Greater>>(std::forward<A>(args)...);
    case Relation::GreaterEqual: return std::make_unique<C<Relation::GreaterEqual>>(std::forward<A>(args)...);
  }
  return nullptr;
}

ConditionPtr makeLiveComparison(Relation r, OperandPtr left, OperandPtr right) {
  if (!left->isNumber() || !right->isNumber())
    return std::make_unique<MixedComparison>(r, std::move(left), std::move(right));
  if (left->constant() && right->slot() >= 0) {
    std::swap(left, right);
    r = mirrored(r);
  }
  if (left->slot() >= 0 && right->slot() >= 0) return forRelation<SlotsComparison>(r, left->slot(), right->slot());
  if (left->slot() >= 0 && right->constant())
    return forRelation<SlotConstantComparison>(r, left->slot(), right->constant()->number);
  return forRelation<NumbersComparison>(r, std::move(left), std::move(right));
}

}  // namespace

const FilterBinding& noBinding() {
  static const NoBinding none;
  return none;
}

Decimal Operand::number(const FilterBinding&) const { return Decimal(); }
QString Operand::text(const FilterBinding& b) const { return isNumber() ? number(b).toQString() : QString(); }

std::optional<Decimal> Operand::numeric(const FilterBinding& b) const {
  if (isNumber()) return number(b);
  return filter_text::numericValue(text(b));
}

QString SlotOperand::text(const FilterBinding& b) const {
  return isNumber() ? b.number(slot_).toQString() : b.text(slot_);
}

QString UpperOperand::text(const FilterBinding& b) const { return filter_text::upper(text_->text(b)); }

QString SubOperand::text(const FilterBinding& b) const {
  return filter_text::sub(text_->text(b), integerOf(*start_, b), integerOf(*length_, b));
}

Decimal InStringOperand::number(const FilterBinding& b) const {
  return Decimal(filter_text::find(part_->text(b), text_->text(b), integerOf(*step_, b), integerOf(*start_, b)));
}

QString FormatOperand::text(const FilterBinding& b) const {
  return value_->isNumber() ? picture_.format(value_->number(b)) : picture_.format(value_->text(b));
}

bool JoinedCondition::test(const FilterBinding& b) const {
  for (const ConditionPtr& part : parts_) {
    if (part->test(b) != all_) return !all_;
  }
  return all_;
}

bool TruthCondition::test(const FilterBinding& b) const {
  if (value_->isNumber()) return !value_->number(b).isZero();
  return !filter_text::withoutTrailingBlanks(value_->text(b)).isEmpty();
}

bool holds(Relation r, int order) {
  switch (r) {
    case Relation::Equal: return order == 0;
    case Relation::NotEqual: return order != 0;
    case Relation::Less: return order < 0;
    case Relation::LessEqual: return order <= 0;
    case Relation::Greater: return order > 0;
    case Relation::GreaterEqual: return order >= 0;
  }
  return false;
}

ConditionPtr makeComparison(Relation r, OperandPtr left, OperandPtr right) {
  const bool literal = left->constant() && right->constant();
  ConditionPtr live = makeLiveComparison(r, std::move(left), std::move(right));
  if (literal) return std::make_unique<ConstantCondition>(live->test(noBinding()));
  return live;
}

}  // namespace bv::filter_detail
