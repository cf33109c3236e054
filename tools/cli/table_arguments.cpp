#include "tools/cli/table_arguments.h"
#include "tools/cli/shown_value.h"

#include <algorithm>

#include "storage/dictionary/dictionary.h"
#include "tools/cli/column_values.h"

namespace bv::cli {

const TableDef* tableArgument(const VerbCall& call, const QString& label) {
  if (const TableDef* t = Dictionary::instance().table(label)) return t;
  call.usageError(QStringLiteral("tabla desconocida: %1").arg(shownValue(label)));
  return nullptr;
}

std::optional<std::vector<ColumnValue>> fieldArguments(const VerbCall& call, const TableDef& table,
                                                       const QStringList& pairs) {
  std::vector<ColumnValue> out;
  for (const QString& pair : pairs) {
    const qsizetype eq = pair.indexOf(u'=');
    if (eq <= 0) {
      call.usageError(QStringLiteral("se esperaba CAMPO=VALOR: %1").arg(shownValue(pair)));
      return std::nullopt;
    }
    const QString name = pair.left(eq).trimmed();
    const std::optional<Column> column = table.column(name);
    if (!column) {
      call.usageError(QStringLiteral("la tabla %1 no tiene el campo %2").arg(table.label, shownValue(name)));
      return std::nullopt;
    }
    QString reason;
    const std::optional<FieldValue> value = parseFieldValue(*column->field, pair.mid(eq + 1), &reason);
    if (!value) {
      call.usageError(reason);
      return std::nullopt;
    }
    out.push_back({*column, *value});
  }
  return out;
}

const KeyDef* lookupKey(const VerbCall& call, const TableDef& table, const std::vector<ColumnValue>& values) {
  const KeyDef* key = table.primaryKey();
  if (!key)
    for (const KeyDef& k : table.keys)
      if (k.unique) {
        key = &k;
        break;
      }
  if (!key) {
    call.usageError(QStringLiteral("la tabla %1 no tiene clave única por la que buscar un registro").arg(table.label));
    return nullptr;
  }
  for (const ColumnValue& v : values)
    if (std::find(key->components.begin(), key->components.end(), v.column.field->number) == key->components.end()) {
      call.usageError(QStringLiteral("%1 no es un campo de la clave %2").arg(v.column.name, key->label));
      return nullptr;
    }
  for (int component : key->components) {
    const bool given = std::any_of(values.begin(), values.end(),
                                   [&](const ColumnValue& v) { return v.column.field->number == component; });
    if (!given) {
      call.usageError(QStringLiteral("falta el valor de %1 (clave %2)").arg(table.field(component)->label, key->label));
      return nullptr;
    }
  }
  return key;
}

}  // namespace bv::cli
