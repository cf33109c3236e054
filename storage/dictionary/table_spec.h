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

class FieldSpec {
 public:
  static FieldSpec text(const char* name, int length);
  static FieldSpec number(const char* name, int bytes, int places);
  static FieldSpec date(const char* name);

  FieldSpec& prompt(const char* text);
  FieldSpec& picture(const char* text);
  FieldSpec& heading(const char* text);
  FieldSpec& hint(const char* text);
  FieldSpec& option(const char* value, const char* text);
  FieldSpec& array(int length);
  // Message text where it is not the prefix and the capitalised name.
  FieldSpec& message(const char* text);

  FieldDef def;  // name, type, sizes and forms; the dictionary adds the rest
};

struct MemoSpec {
  const char* name = "";
  const char* prompt = "";
  const char* hint = "";
};

class KeySpec {
 public:
  KeySpec(const char* name, const char* description, std::initializer_list<const char*> components);
  KeySpec& unique();
  KeySpec& primary();
  KeySpec& autoNumber();
  KeySpec& excludeBlank();

  QString name, description;
  std::vector<QString> components;  // field names
  bool isUnique = false, isPrimary = false, isAutoNumber = false, excludesBlank = false;
};

struct RuleSpec {
  static RuleSpec oneOf(const char* field, const char* letters, const char* listText);
  static RuleSpec existsIn(const char* field, const char* table, const char* key);

  QString field;
  FieldRule::Kind kind = FieldRule::Kind::List;
  QString table, key, letters, messageText;
};

struct PrimeSpec {
  static PrimeSpec text(const char* field, const char* value);
  static PrimeSpec today(const char* field);

  QString field;
  PrimedValue::Kind kind = PrimedValue::Kind::Text;
  QString value;
};

struct TableSpec {
  QString label = {};
  QString prefix = {};
  QString fixedFileName = {};  // empty: the first eight letters of the label + ".TPS"
  std::vector<FieldSpec> fields = {};
  std::optional<MemoSpec> memo = std::nullopt;
  std::vector<KeySpec> keys = {};
  std::vector<RuleSpec> rules = {};
  std::vector<PrimeSpec> primed = {};
  int shareCode = kShareDenyNone;
  bool perStation = false;
};

struct Catalogue {
  std::vector<TableSpec> tables;  // in construction order
  std::vector<QString> aliases;   // labels of the base tables, in construction order
};

// The tables of the system.
Catalogue catalogue();

}  // namespace bv::dictionary
