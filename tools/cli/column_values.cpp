#include "tools/cli/column_values.h"
#include "tools/cli/shown_value.h"

namespace bv::cli {

QString columnText(const Record& record, const Column& column) {
  const FieldDef& f = *column.field;
  switch (f.type) {
    case FieldType::Decimal:
      return record.decimal(f, column.index).toQString(f.places);
    case FieldType::Date:
      return record.date(f, column.index).toIso();
    case FieldType::Memo:
      return record.memo();
    case FieldType::String:
      break;
  }
  return record.text(f, column.index);
}

QStringList rowTexts(const Record& record) {
  QStringList out;
  for (const Column& c : record.table().columns()) out << columnText(record, c);
  return out;
}

QStringList headerNames(const TableDef& table) {
  QStringList out;
  for (const Column& c : table.columns()) out << c.name.toUpper();
  return out;
}

std::optional<FieldValue> parseFieldValue(const FieldDef& field, const QString& text, QString* reason) {
  auto refuse = [&](const QString& why) -> std::optional<FieldValue> {
    if (reason) *reason = why;
    return std::nullopt;
  };
  switch (field.type) {
    case FieldType::Decimal: {
      if (text.trimmed().isEmpty()) return Decimal(0).rounded(field.places);
      if (auto d = Decimal::parse(text)) return *d;
      return refuse(QStringLiteral("el valor \"%1\" de %2 no es un número (se escribe con punto decimal y sin "
                                   "separador de miles, por ejemplo 1234.50)")
                        .arg(shownValue(text), field.label));
    }
    case FieldType::Date: {
      if (auto d = Date::fromIso(text)) return *d;
      return refuse(QStringLiteral("el valor \"%1\" de %2 no es una fecha AAAA-MM-DD").arg(shownValue(text), field.label));
    }
    case FieldType::String:
    case FieldType::Memo:
      break;
  }
  return text;
}

}  // namespace bv::cli
