#pragma once
// Values as the table files keep them: integers (scaled decimals, day numbers,
// flags) and UTF-8 texts, with their conversion from and to record values and
// their binding into and reading from SQLite statements.
#include <QString>
#include <sqlite3.h>
#include <variant>
#include <vector>

#include "storage/dictionary/field_def.h"
#include "storage/dictionary/field_value.h"

namespace bv::sqlfile {

using SqlValue = std::variant<qint64, QString>;

// A record value as stored in a column of field `f`: texts without trailing
// blanks, decimals as their mantissa at the field's places, dates as day numbers.
SqlValue toSql(const FieldDef& f, const FieldValue& value);
// The stored value back as a record value of field `f`.
FieldValue fromSql(const FieldDef& f, const SqlValue& value);
// The upper-cased form that components of keys ignoring case compare by;
// accented letters are upper-cased too (á to Á, ñ to Ñ).
QString upperForKey(const QString& text);

// (Not "bind": std::bind would win overload resolution through the std::variant.)
void bindValue(sqlite3_stmt* statement, int index, const SqlValue& value);
void bindAll(sqlite3_stmt* statement, const std::vector<SqlValue>& values, int first = 1);
SqlValue column(sqlite3_stmt* statement, int index);

// "name" quoted as an SQL identifier (inner quotes doubled). Identifiers come
// from the data dictionary only; values are always bound, never written in.
QString quoted(const QString& identifier);

}  // namespace bv::sqlfile
