#include "shell/values/window_fields.h"

#include "storage/managers/file_managers.h"

namespace bv {

const std::optional<BoundField>& WindowFields::bound(const QString& name) const {
  auto it = cache_.find(name);
  if (it == cache_.end()) it = cache_.insert(name, BoundField::resolve(files_, name, working_));
  return it.value();
}

FieldValue WindowFields::value(const QString& name) const {
  const auto& field = bound(name);
  return field ? field->value() : FieldValue(QString());
}

Decimal WindowFields::number(const QString& name) const {
  const FieldValue v = value(name);
  if (const auto* d = std::get_if<Decimal>(&v)) return *d;
  if (const auto* date = std::get_if<Date>(&v)) return Decimal(date->dayNumber());
  return Decimal::parse(std::get<QString>(v).trimmed()).value_or(Decimal());
}

QString WindowFields::text(const QString& name) const {
  const FieldValue v = value(name);
  if (const auto* t = std::get_if<QString>(&v)) return *t;
  if (const auto* d = std::get_if<Decimal>(&v)) return d->toQString();
  return std::get<Date>(v).toIso();
}

bool WindowFields::set(const QString& name, const FieldValue& value) const {
  const auto& field = bound(name);
  return field && field->assign(value, false) == 0;
}

FileManager& WindowFields::table(const QString& label) const { return files_[label]; }

}  // namespace bv
