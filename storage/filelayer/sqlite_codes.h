#pragma once
// SQLite's result codes turned into the layer's codes, once for every operation,
// and left as the runtime error.
#include <QString>
#include <sqlite3.h>

namespace bv::sqlfile {

// What the failing statement was doing: a busy file is "record held" (43) for a
// read and "access denied" (5) for an open or a write.
enum class SqlAction { Open, Read, Write };

// The layer's code for a SQLite result; SQLITE_OK, SQLITE_ROW and SQLITE_DONE are 0.
int fileCodeFor(int sqliteResult, SqlAction action);
// Maps, sets the runtime error (code 90 with the system's text and number, or
// SQLite's own when the system gave none) and returns the code.
int reportSqlite(sqlite3* db, int sqliteResult, SqlAction action);
// Sets the runtime error to `code` with its text and returns it.
int report(int code);
// Sets the runtime error to 90 with a file error text and code.
int reportFileSystem(const QString& fileText, const QString& fileCode);

}  // namespace bv::sqlfile
