#include "shell/values/working_values.h"

namespace bv {

FieldDef numberDef(const QString& name, int digits, int places, const QString& picture) {
  FieldDef def;
  def.name = def.label = def.messageText = name;
  def.type = FieldType::Decimal;
  def.digits = digits;
  def.places = places;
  def.width = (digits + 2) / 2;
  def.picture = picture.isEmpty() ? QStringLiteral("n-%1.%2").arg(digits + 1).arg(places) : picture;
  if (places == 0 && picture.isEmpty()) def.picture = QStringLiteral("n-%1").arg(digits + 1);
  return def;
}

FieldDef textDef(const QString& name, int length, const QString& picture) {
  FieldDef def;
  def.name = def.label = def.messageText = name;
  def.type = FieldType::String;
  def.width = def.length = length;
  def.picture = picture.isEmpty() ? QStringLiteral("s%1").arg(length) : picture;
  return def;
}

SetResult storeAs(const FieldDef& def, const FieldValue& value, FieldValue& slot) {
  switch (def.type) {
    case FieldType::Decimal: {
      Decimal n;
      if (const auto* d = std::get_if<Decimal>(&value))
        n = *d;
      else if (const auto* t = std::get_if<QString>(&value))
        n = Decimal::parse(t->trimmed()).value_or(Decimal());
      else
        n = Decimal(std::get<Date>(value).dayNumber());
      const Decimal rounded = n.rounded(def.places);
      if (def.digits > 0 && rounded.abs() > def.largest()) return SetResult::TooLarge;
      slot = rounded;
      return SetResult::Stored;
    }
    case FieldType::Date:
      if (const auto* d = std::get_if<Date>(&value)) {
        slot = *d;
        return SetResult::Stored;
      }
      return SetResult::WrongType;
    case FieldType::String:
    case FieldType::Memo: {
      QString text;
      if (const auto* t = std::get_if<QString>(&value))
        text = *t;
      else if (const auto* d = std::get_if<Decimal>(&value))
        text = d->toQString();
      else
        return SetResult::WrongType;
      while (text.endsWith(u' ')) text.chop(1);
      const bool cut = def.length > 0 && text.size() > def.length;
      slot = cut ? text.left(def.length) : text;
      return cut ? SetResult::Cut : SetResult::Stored;
    }
  }
  return SetResult::WrongType;
}

WorkingValues& WorkingValues::number(const QString& name, int digits, int places, const QString& picture) {
  return declare(numberDef(name, digits, places, picture));
}

WorkingValues& WorkingValues::text(const QString& name, int length, const QString& picture) {
  return declare(textDef(name, length, picture));
}

WorkingValues& WorkingValues::declare(FieldDef def) {
  if (find(def.label)) return *this;
  def.number = static_cast<int>(defs_.size());
  values_.push_back(def.type == FieldType::Decimal ? FieldValue(Decimal().rounded(def.places)) : FieldValue(QString()));
  defs_.push_back(std::make_unique<FieldDef>(std::move(def)));
  return *this;
}

const FieldDef* WorkingValues::find(const QString& name) const {
  for (const auto& d : defs_)
    if (d->label.compare(name, Qt::CaseInsensitive) == 0) return d.get();
  return nullptr;
}

FieldValue WorkingValues::value(const FieldDef& def) const { return values_.at(static_cast<std::size_t>(def.number)); }

SetResult WorkingValues::set(const FieldDef& def, const FieldValue& value) {
  return storeAs(def, value, values_.at(static_cast<std::size_t>(def.number)));
}

Decimal WorkingValues::decimal(const QString& name) const {
  const FieldDef* def = find(name);
  if (!def) return {};
  const FieldValue v = value(*def);
  const auto* d = std::get_if<Decimal>(&v);
  return d ? *d : Decimal();
}

QString WorkingValues::string(const QString& name) const {
  const FieldDef* def = find(name);
  if (!def) return {};
  const FieldValue v = value(*def);
  const auto* t = std::get_if<QString>(&v);
  return t ? *t : QString();
}

SetResult WorkingValues::set(const QString& name, const FieldValue& value) {
  const FieldDef* def = find(name);
  return def ? set(*def, value) : SetResult::NoSuchField;
}

void WorkingValues::clear() {
  for (const auto& d : defs_)
    values_[static_cast<std::size_t>(d->number)] =
        d->type == FieldType::Decimal ? FieldValue(Decimal().rounded(d->places)) : FieldValue(QString());
}

}  // namespace bv
