#pragma once
// The declarative form in which the catalogue states its tables. The dictionary
// turns these into TableDefs: it numbers the fields, names them with the table's
// prefix, derives message texts and pictures not given, and resolves the names
// that keys, rules and primed values refer to.
#include <QString>
#include <initializer_list>
#include <optional>
#include <vector>

#include "storage/dictionary/field_def.h"
#include "storage/dictionary/field_rule.h"
#include "storage/dictionary/table_def.h"

namespace bv::dictionary {

class FieldDecl {
 public:
  static FieldDecl text(const char* name, int length);
  static FieldDecl number(const char* name, int bytes, int places);
  static FieldDecl date(const char* name);

  FieldDecl& prompt(const char* text);
  FieldDecl& picture(const char* text);
  FieldDecl& heading(const char* text);
  FieldDecl& hint(const char* text);
  FieldDecl& option(const char* value, const char* text);
  FieldDecl& array(int length);
  // Message text where it is not the prefix and the capitalised name.
  FieldDecl& message(const char* text);

  FieldDef def;  // name, type, sizes and forms; the dictionary adds the rest
};

struct MemoDecl {
  const char* name = "";
  const char* prompt = "";
  const char* hint = "";
};

class KeyDecl {
 public:
  KeyDecl(const char* name, const char* description, std::initializer_list<const char*> components);
  KeyDecl& unique();
  KeyDecl& primary();
  KeyDecl& autoNumber();
  KeyDecl& excludeBlank();

  QString name, description;
  std::vector<QString> components;  // field names
  bool isUnique = false, isPrimary = false, isAutoNumber = false, excludesBlank = false;
};

struct RuleDecl {
  static RuleDecl oneOf(const char* field, const char* letters, const char* listText);
  static RuleDecl existsIn(const char* field, const char* table, const char* key);

  QString field;
  FieldRule::Kind kind = FieldRule::Kind::List;
  QString table, key, letters, messageText;
};

struct PrimeDecl {
  static PrimeDecl text(const char* field, const char* value);
  static PrimeDecl today(const char* field);

  QString field;
  PrimedValue::Kind kind = PrimedValue::Kind::Text;
  QString value;
};

struct TableDecl {
  QString label = {};
  QString prefix = {};
  QString fixedFileName = {};  // empty: the first eight letters of the label + ".TPS"
  std::vector<FieldDecl> fields = {};
  std::optional<MemoDecl> memo = std::nullopt;
  std::vector<KeyDecl> keys = {};
  std::vector<RuleDecl> rules = {};
  std::vector<PrimeDecl> primed = {};
  int shareCode = kShareDenyNone;
  bool perStation = false;
};

struct Catalogue {
  std::vector<TableDecl> tables;  // in construction order
  std::vector<QString> aliases;   // labels of the base tables, in construction order
};

// The tables of the system.
Catalogue catalogue();

}  // namespace bv::dictionary
