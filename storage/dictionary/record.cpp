#include "storage/dictionary/record.h"

namespace bv {
namespace {

FieldValue clearedValue(const FieldDef& f) {
  switch (f.type) {
    case FieldType::Decimal:
      return Decimal(0).rounded(f.places);
    case FieldType::Date:
      return Date();
    case FieldType::String:
    case FieldType::Memo:
      break;
  }
  return QString();
}

QString withoutTrailingBlanks(const QString& text) {
  qsizetype n = text.size();
  while (n > 0 && text[n - 1] == u' ') --n;
  return text.left(n);
}

// Cuts to `length` characters without splitting a surrogate pair.
QString cutTo(const QString& text, int length) {
  qsizetype n = length;
  if (n > 0 && text[n - 1].isHighSurrogate()) --n;
  return text.left(n);
}

}  // namespace

const FieldDef* FieldSelector::resolve(const TableDef& table) const {
  if (!def_) return number_ != 0 ? table.field(number_) : table.field(QStringView(label_));
  // A definition of this table, or of the same field of a table of the same layout.
  const FieldDef* own = def_->type == FieldType::Memo ? (table.memo ? &*table.memo : nullptr)
                                                       : table.field(def_->number);
  return own && own->name == def_->name ? own : nullptr;
}

Record::Record(const TableDef& table) : table_(&table) {
  values_.resize(table.slotCount());
  clear();
}

void Record::clear() {
  if (!table_) return;
  for (const FieldDef& f : table_->fields)
    for (int i = 0; i < f.arrayLength; ++i) values_[f.slot + i] = clearedValue(f);
  memo_.clear();
}

int Record::slotOf(const FieldDef* f, int index) const {
  if (!f || f->type == FieldType::Memo || index < 1 || index > f->arrayLength) return -1;
  return f->slot + index - 1;
}

QString Record::text(FieldSelector field, int index) const {
  if (!table_) return QString();
  const FieldDef* f = field.resolve(*table_);
  if (f && f->type == FieldType::Memo) return memo_;
  const int s = slotOf(f, index);
  if (s < 0 || f->type != FieldType::String) return QString();
  return std::get<QString>(values_[s]);
}

QString Record::paddedText(FieldSelector field, int index) const {
  if (!table_) return QString();
  const FieldDef* f = field.resolve(*table_);
  if (!f || f->type != FieldType::String) return text(field, index);
  return text(field, index).leftJustified(f->length, u' ');
}

SetResult Record::setText(FieldSelector field, const QString& value, int index) {
  if (!table_) return SetResult::NoSuchField;
  const FieldDef* f = field.resolve(*table_);
  if (f && f->type == FieldType::Memo) return setMemo(value);
  const int s = slotOf(f, index);
  if (s < 0) return SetResult::NoSuchField;
  if (f->type != FieldType::String) return SetResult::WrongType;
  QString stored = withoutTrailingBlanks(value);
  if (stored.size() <= f->length) {
    values_[s] = std::move(stored);
    return SetResult::Stored;
  }
  values_[s] = withoutTrailingBlanks(cutTo(stored, f->length));
  return SetResult::Cut;
}

SetResult Record::setMemo(const QString& value) {
  if (!table_ || !table_->memo) return SetResult::NoSuchField;
  if (value.size() <= kMemoLength) {
    memo_ = value;
    return SetResult::Stored;
  }
  memo_ = cutTo(value, kMemoLength);
  return SetResult::Cut;
}

Decimal Record::decimal(FieldSelector field, int index) const {
  if (!table_) return Decimal();
  const FieldDef* f = field.resolve(*table_);
  const int s = slotOf(f, index);
  if (s < 0 || f->type != FieldType::Decimal) return Decimal();
  return std::get<Decimal>(values_[s]);
}

SetResult Record::setDecimal(FieldSelector field, const Decimal& value, int index) {
  if (!table_) return SetResult::NoSuchField;
  const FieldDef* f = field.resolve(*table_);
  const int s = slotOf(f, index);
  if (s < 0) return f && f->type == FieldType::Memo ? SetResult::WrongType : SetResult::NoSuchField;
  if (f->type != FieldType::Decimal) return SetResult::WrongType;
  if (!value.fits(f->digits, f->places)) return SetResult::TooLarge;
  values_[s] = value.rounded(f->places);
  return SetResult::Stored;
}

Date Record::date(FieldSelector field, int index) const {
  if (!table_) return Date();
  const FieldDef* f = field.resolve(*table_);
  const int s = slotOf(f, index);
  if (s < 0 || f->type != FieldType::Date) return Date();
  return std::get<Date>(values_[s]);
}

SetResult Record::setDate(FieldSelector field, Date value, int index) {
  if (!table_) return SetResult::NoSuchField;
  const FieldDef* f = field.resolve(*table_);
  const int s = slotOf(f, index);
  if (s < 0) return f && f->type == FieldType::Memo ? SetResult::WrongType : SetResult::NoSuchField;
  if (f->type != FieldType::Date) return SetResult::WrongType;
  values_[s] = value;
  return SetResult::Stored;
}

FieldValue Record::value(FieldSelector field, int index) const {
  if (!table_) return QString();
  const FieldDef* f = field.resolve(*table_);
  if (f && f->type == FieldType::Memo) return memo_;
  const int s = slotOf(f, index);
  if (s < 0) return QString();
  return values_[s];
}

SetResult Record::setValue(FieldSelector field, const FieldValue& value, int index) {
  if (const auto* t = std::get_if<QString>(&value)) return setText(field, *t, index);
  if (const auto* d = std::get_if<Decimal>(&value)) return setDecimal(field, *d, index);
  return setDate(field, std::get<Date>(value), index);
}

std::vector<FieldValue> Record::keyValues(const KeyDef& key) const {
  std::vector<FieldValue> out;
  out.reserve(key.components.size());
  for (int number : key.components) out.push_back(value(number));
  return out;
}

bool Record::isBlank(const KeyDef& key) const {
  for (int number : key.components) {
    const FieldValue v = value(number);
    if (const auto* t = std::get_if<QString>(&v); t && !t->isEmpty()) return false;
    if (const auto* d = std::get_if<Decimal>(&v); d && !d->isZero()) return false;
    if (const auto* dt = std::get_if<Date>(&v); dt && !dt->isNull()) return false;
  }
  return true;
}

bool Record::assignFrom(const Record& other) {
  if (!table_ || !other.table_ || !table_->sameLayout(*other.table_)) return false;
  values_ = other.values_;
  memo_ = other.memo_;
  return true;
}

bool operator==(const Record& a, const Record& b) {
  if (!a.table_ || !b.table_) return a.table_ == b.table_;
  return a.table_->sameLayout(*b.table_) && a.values_ == b.values_ && a.memo_ == b.memo_;
}

}  // namespace bv
