#include "storage/dictionary/table_spec.h"

namespace bv::dictionary {

FieldSpec FieldSpec::text(const char* name, int length) {
  FieldSpec s;
  s.def.name = QString::fromUtf8(name);
  s.def.type = FieldType::String;
  s.def.width = length;
  s.def.length = length;
  return s;
}

FieldSpec FieldSpec::number(const char* name, int bytes, int places) {
  FieldSpec s;
  s.def.name = QString::fromUtf8(name);
  s.def.type = FieldType::Decimal;
  s.def.width = bytes;
  s.def.digits = 2 * bytes - 1;
  s.def.places = places;
  return s;
}

FieldSpec FieldSpec::date(const char* name) {
  FieldSpec s;
  s.def.name = QString::fromUtf8(name);
  s.def.type = FieldType::Date;
  s.def.width = 4;
  return s;
}

FieldSpec& FieldSpec::prompt(const char* text) {
  def.prompt = QString::fromUtf8(text);
  return *this;
}
FieldSpec& FieldSpec::picture(const char* text) {
  def.picture = QString::fromUtf8(text);
  return *this;
}
FieldSpec& FieldSpec::heading(const char* text) {
  def.heading = QString::fromUtf8(text);
  return *this;
}
FieldSpec& FieldSpec::hint(const char* text) {
  def.hint = QString::fromUtf8(text);
  return *this;
}
FieldSpec& FieldSpec::option(const char* value, const char* text) {
  def.options.push_back({QString::fromUtf8(value), QString::fromUtf8(text)});
  return *this;
}
FieldSpec& FieldSpec::array(int length) {
  def.arrayLength = length;
  return *this;
}
FieldSpec& FieldSpec::message(const char* text) {
  def.messageText = QString::fromUtf8(text);
  return *this;
}

KeySpec::KeySpec(const char* keyName, const char* keyDescription,
                 std::initializer_list<const char*> fields)
    : name(QString::fromUtf8(keyName)), description(QString::fromUtf8(keyDescription)) {
  for (const char* f : fields) components.push_back(QString::fromUtf8(f));
}
KeySpec& KeySpec::unique() {
  isUnique = true;
  return *this;
}
KeySpec& KeySpec::primary() {
  isPrimary = true;
  return *this;
}
KeySpec& KeySpec::autoNumber() {
  isAutoNumber = true;
  return *this;
}
KeySpec& KeySpec::excludeBlank() {
  excludesBlank = true;
  return *this;
}

RuleSpec RuleSpec::oneOf(const char* field, const char* letters, const char* listText) {
  RuleSpec r;
  r.field = QString::fromUtf8(field);
  r.kind = FieldRule::Kind::List;
  r.letters = QString::fromUtf8(letters);
  r.messageText = QString::fromUtf8(listText);
  return r;
}

RuleSpec RuleSpec::existsIn(const char* field, const char* table, const char* key) {
  RuleSpec r;
  r.field = QString::fromUtf8(field);
  r.kind = FieldRule::Kind::Lookup;
  r.table = QString::fromUtf8(table);
  r.key = QString::fromUtf8(key);
  r.messageText = r.table;
  return r;
}

PrimeSpec PrimeSpec::text(const char* field, const char* value) {
  return {QString::fromUtf8(field), PrimedValue::Kind::Text, QString::fromUtf8(value)};
}

PrimeSpec PrimeSpec::today(const char* field) {
  return {QString::fromUtf8(field), PrimedValue::Kind::Today, QString()};
}

}  // namespace bv::dictionary
