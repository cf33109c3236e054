#pragma once
// One table (or alias) of the data dictionary: file, record layout, keys, rules.
#include <QHash>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

#include "storage/dictionary/field_def.h"
#include "storage/dictionary/field_rule.h"
#include "storage/dictionary/key_def.h"

namespace bv {

// Share codes of the file managers' opens: read and write, others may do the same
// (0x42), or others may only read (0x22).
inline constexpr int kShareDenyNone = 0x42;
inline constexpr int kShareDenyWrite = 0x22;

// Characters a memo holds.
inline constexpr int kMemoLength = 2000;

struct TableDef {
  QString label;   // "Basicos", "A_Basicos"
  QString prefix;  // "BAS", "A_BAS"
  // The file in the data directory: a fixed name ("Basicos.tps") or the first
  // eight letters of the label in upper case with ".TPS" ("RELACION.TPS").
  QString fileName;
  bool fixedFileName = false;
  // Kept per station in its local application-data folder, not in the shared
  // data directory (the label work file).
  bool perStation = false;
  // The name messages show as %File: the fixed file name, else the label.
  QString fileNameValue;
  int shareCode = kShareDenyNone;

  std::vector<FieldDef> fields;   // record fields; fields[i].number == i + 1
  std::optional<FieldDef> memo;   // kept beside the record, not in it
  std::vector<KeyDef> keys;       // in declaration order
  std::vector<FieldRule> rules;   // empty for an alias: it runs its base's rules
  std::vector<PrimedValue> primed;
  // For an alias: the table whose file, rules and primed values it shares.
  const TableDef* base = nullptr;

  bool isAlias() const { return base != nullptr; }
  // The table that owns the file and the rules: the base of an alias, else itself.
  const TableDef& physical() const { return base ? *base : *this; }
  // Records of a table and of its alias (or of two aliases of one table) have the
  // same layout and may be copied into each other.
  bool sameLayout(const TableDef& other) const { return &physical() == &other.physical(); }

  int fieldCount() const { return static_cast<int>(fields.size()); }
  // The sum of the record fields' widths (the memo takes no room in the record).
  int recordLength() const;
  // Values a record keeps: one per element of every field.
  int slotCount() const;

  // 1..fieldCount(); nullptr otherwise.
  const FieldDef* field(int number) const;
  // A record field or the memo by label, in any letter case.
  const FieldDef* field(QStringView label) const;
  const KeyDef* key(QStringView label) const;
  const KeyDef* primaryKey() const;
  bool hasAutoNumber() const;

  // The columns of a row in declaration order, array elements one by one, the
  // memo last.
  std::vector<Column> columns() const;
  // A column by its name ("PLA:BASICO[3]", "BAS:CODIGO"), in any letter case.
  std::optional<Column> column(QStringView name) const;
};

}  // namespace bv
