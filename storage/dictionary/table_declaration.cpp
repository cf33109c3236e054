#include "storage/dictionary/table_declaration.h"

namespace bv::dictionary {

FieldDecl FieldDecl::text(const char* name, int length) {
  FieldDecl s;
  s.def.name = QString::fromUtf8(name);
  s.def.type = FieldType::String;
  s.def.width = length;
  s.def.length = length;
  return s;
}

FieldDecl FieldDecl::number(const char* name, int bytes, int places) {
  FieldDecl s;
  s.def.name = QString::fromUtf8(name);
  s.def.type = FieldType::Decimal;
  s.def.width = bytes;
  s.def.digits = 2 * bytes - 1;
  s.def.places = places;
  return s;
}

FieldDecl FieldDecl::date(const char* name) {
  FieldDecl s;
  s.def.name = QString::fromUtf8(name);
  s.def.type = FieldType::Date;
  s.def.width = 4;
  return s;
}

FieldDecl& FieldDecl::prompt(const char* text) {
  def.prompt = QString::fromUtf8(text);
  return *this;
}
FieldDecl& FieldDecl::picture(const char* text) {
  def.picture = QString::fromUtf8(text);
  return *this;
}
FieldDecl& FieldDecl::heading(const char* text) {
  def.heading = QString::fromUtf8(text);
  return *this;
}
FieldDecl& FieldDecl::hint(const char* text) {
  def.hint = QString::fromUtf8(text);
  return *this;
}
FieldDecl& FieldDecl::option(const char* value, const char* text) {
  def.options.push_back({QString::fromUtf8(value), QString::fromUtf8(text)});
  return *this;
}
FieldDecl& FieldDecl::array(int length) {
  def.arrayLength = length;
  return *this;
}
FieldDecl& FieldDecl::message(const char* text) {
  def.messageText = QString::fromUtf8(text);
  return *this;
}

KeyDecl::KeyDecl(const char* keyName, const char* keyDescription,
                 std::initializer_list<const char*> fields)
    : name(QString::fromUtf8(keyName)), description(QString::fromUtf8(keyDescription)) {
  for (const char* f : fields) components.push_back(QString::fromUtf8(f));
}
KeyDecl& KeyDecl::unique() {
  isUnique = true;
  return *this;
}
KeyDecl& KeyDecl::primary() {
  isPrimary = true;
  return *this;
}
KeyDecl& KeyDecl::autoNumber() {
  isAutoNumber = true;
  return *this;
}
KeyDecl& KeyDecl::excludeBlank() {
  excludesBlank = true;
  return *this;
}

RuleDecl RuleDecl::oneOf(const char* field, const char* letters, const char* listText) {
  RuleDecl r;
  r.field = QString::fromUtf8(field);
  r.kind = FieldRule::Kind::List;
  r.letters = QString::fromUtf8(letters);
  r.messageText = QString::fromUtf8(listText);
  return r;
}

RuleDecl RuleDecl::existsIn(const char* field, const char* table, const char* key) {
  RuleDecl r;
  r.field = QString::fromUtf8(field);
  r.kind = FieldRule::Kind::Lookup;
  r.table = QString::fromUtf8(table);
  r.key = QString::fromUtf8(key);
  r.messageText = r.table;
  return r;
}

PrimeDecl PrimeDecl::text(const char* field, const char* value) {
  return {QString::fromUtf8(field), PrimedValue::Kind::Text, QString::fromUtf8(value)};
}

PrimeDecl PrimeDecl::today(const char* field) {
  return {QString::fromUtf8(field), PrimedValue::Kind::Today, QString()};
}

}  // namespace bv::dictionary
