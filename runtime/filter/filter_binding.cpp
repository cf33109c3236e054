#include "runtime/filter/filter_binding.h"

#include "runtime/filter/filter_text.h"

namespace bv {

int FilterNameIndex::add(const QString& name) {
  const QString key = name.toUpper();
  const auto found = slots_.constFind(key);
  if (found != slots_.constEnd()) return *found;
  const int slot = size();
  slots_.insert(key, slot);
  return slot;
}

void FilterFunctionBinding::bind(const QString& name, Read read) {
  const int slot = names_.add(name);
  if (slot == static_cast<int>(reads_.size())) reads_.push_back(std::move(read));
  else reads_[slot] = std::move(read);
}

void FilterFunctionBinding::bindNumber(const QString& name, std::function<Decimal()> read) {
  bind(name, {FilterValue::Kind::Number, std::move(read), {}});
}

void FilterFunctionBinding::bindText(const QString& name, std::function<QString()> read) {
  bind(name, {FilterValue::Kind::Text, {}, std::move(read)});
}

Decimal FilterFunctionBinding::number(int slot) const {
  const Read& read = reads_[slot];
  if (read.kind == FilterValue::Kind::Number) return read.number();
  return filter_text::numericValue(read.text()).value_or(Decimal());
}

QString FilterFunctionBinding::text(int slot) const {
  const Read& read = reads_[slot];
  if (read.kind == FilterValue::Kind::Text) return read.text();
  return read.number().toQString();
}

}  // namespace bv
