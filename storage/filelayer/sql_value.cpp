#include "storage/filelayer/sql_value.h"

namespace bv::sqlfile {
namespace {
QString withoutTrailingBlanks(const QString& text) {
  qsizetype n = text.size();
  while (n > 0 && text[n - 1] == u' ') --n;
  return text.left(n);
}
}  // namespace

SqlValue toSql(const FieldDef& f, const FieldValue& value) {
  switch (f.type) {
    case FieldType::String:
      if (const auto* t = std::get_if<QString>(&value)) return withoutTrailingBlanks(*t);
      return QString();
    case FieldType::Memo:
      if (const auto* t = std::get_if<QString>(&value)) return *t;
      return QString();
    case FieldType::Decimal:
      if (const auto* d = std::get_if<Decimal>(&value))
        return static_cast<qint64>(d->rounded(f.places).mantissa());
      return qint64(0);
    case FieldType::Date:
      if (const auto* d = std::get_if<Date>(&value)) return qint64(d->dayNumber());
      return qint64(0);
  }
  return qint64(0);
}

FieldValue fromSql(const FieldDef& f, const SqlValue& value) {
  const qint64* n = std::get_if<qint64>(&value);
  switch (f.type) {
    case FieldType::String:
    case FieldType::Memo:
      if (const auto* t = std::get_if<QString>(&value)) return *t;
      return n ? QString::number(*n) : QString();
    case FieldType::Decimal:
      return Decimal::fromMantissa(n ? *n : 0, f.places);
    case FieldType::Date:
      return Date(static_cast<std::int32_t>(n ? *n : 0));
  }
  return QString();
}

QString upperForKey(const QString& text) { return text.toUpper(); }

void bindValue(sqlite3_stmt* statement, int index, const SqlValue& value) {
  if (const auto* n = std::get_if<qint64>(&value)) {
    sqlite3_bind_int64(statement, index, *n);
    return;
  }
  const QByteArray utf8 = std::get<QString>(value).toUtf8();
  sqlite3_bind_text(statement, index, utf8.constData(), static_cast<int>(utf8.size()),
                    SQLITE_TRANSIENT);
}

void bindAll(sqlite3_stmt* statement, const std::vector<SqlValue>& values, int first) {
  for (std::size_t i = 0; i < values.size(); ++i)
    bindValue(statement, first + static_cast<int>(i), values[i]);
}

SqlValue column(sqlite3_stmt* statement, int index) {
  switch (sqlite3_column_type(statement, index)) {
    case SQLITE_INTEGER:
      return static_cast<qint64>(sqlite3_column_int64(statement, index));
    case SQLITE_NULL:
      return qint64(0);
    case SQLITE_FLOAT:
      return static_cast<qint64>(sqlite3_column_double(statement, index));
    default: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
      return QString::fromUtf8(text, sqlite3_column_bytes(statement, index));
    }
  }
}

QString quoted(const QString& identifier) {
  QString q = identifier;
  q.replace(u'"', QStringLiteral("\"\""));
  return u'"' + q + u'"';
}

}  // namespace bv::sqlfile
