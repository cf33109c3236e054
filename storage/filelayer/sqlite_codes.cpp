#include "storage/filelayer/sqlite_codes.h"

#include <cstring>

#include "runtime/runtime_error.h"
#include "storage/filelayer/file_layer.h"

namespace bv::sqlfile {

int fileCodeFor(int sqliteResult, SqlAction action) {
  switch (sqliteResult & 0xff) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
      return kFileOk;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return action == SqlAction::Read ? kRecordHeld : kFileAccessDenied;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_CANTOPEN:
      return kFileAccessDenied;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return kKeyNeedsRebuild;
    case SQLITE_CONSTRAINT:
      if (sqliteResult == SQLITE_CONSTRAINT_UNIQUE || sqliteResult == SQLITE_CONSTRAINT_PRIMARYKEY)
        return kDuplicateKey;
      return kFileSystemError;
    default:  // FULL, IOERR, NOMEM and anything unexpected
      return kFileSystemError;
  }
}

int report(int code) {
  setRuntimeError(code, fileCodeText(code));
  return code;
}

int reportFileSystem(const QString& fileText, const QString& fileCode) {
  setRuntimeError(kFileSystemError, fileCodeText(kFileSystemError), fileCode, fileText);
  return kFileSystemError;
}

int reportSqlite(sqlite3* db, int sqliteResult, SqlAction action) {
  const int code = fileCodeFor(sqliteResult, action);
  if (code != kFileSystemError) return report(code);
  const int systemError = db ? sqlite3_system_errno(db) : 0;
  if (systemError != 0)
    return reportFileSystem(QString::fromLocal8Bit(std::strerror(systemError)), QString::number(systemError));
  const QString text = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(sqliteResult));
  return reportFileSystem(text, QString::number(sqliteResult));
}

}  // namespace bv::sqlfile
