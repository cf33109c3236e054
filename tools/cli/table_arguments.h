#pragma once
// What the table verbs read from their command line: a table by its label, a
// key by its label, and CAMPO=VALOR pairs in the CSV form of values.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "storage/dictionary/field_value.h"
#include "storage/dictionary/table_def.h"
#include "tools/cli/verb.h"

namespace bv::cli {

struct ColumnValue {
  Column column;
  FieldValue value;
};

// The table of a label ("Basicos", "a_basicos"), or nullptr after the usage
// error's line.
const TableDef* tableArgument(const VerbCall& call, const QString& label);

// CAMPO=VALOR pairs: the field by its label ("BAS:CODIGO", an element as
// "PLA:BASICO[3]"), the value in the CSV form. Nullopt after the usage
// error's line for a pair without "=", an unknown field or a malformed value.
std::optional<std::vector<ColumnValue>> fieldArguments(const VerbCall& call, const TableDef& table,
                                                       const QStringList& pairs);

// The key the record of CAMPO=VALOR pairs is found by: the primary key, else
// the first unique one. Nullptr after the usage error's line when the table has
// none, or when the pairs do not give exactly its fields.
const KeyDef* lookupKey(const VerbCall& call, const TableDef& table, const std::vector<ColumnValue>& values);

}  // namespace bv::cli
