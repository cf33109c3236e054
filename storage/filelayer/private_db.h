#pragma once
// A connection of its own to one table file, for the repair of a damaged file
// that no layer has attached; closed on leaving.
#include <QString>
#include <QStringList>
#include <sqlite3.h>

namespace bv::sqlfile {

class PrivateDb {
 public:
  PrivateDb(const QString& path, int flags, int busyTimeoutMs) {
    if (sqlite3_open_v2(path.toUtf8().constData(), &db_, flags | SQLITE_OPEN_EXRESCODE, nullptr) != SQLITE_OK) {
      sqlite3_close(db_);
      db_ = nullptr;
    } else {
      sqlite3_busy_timeout(db_, busyTimeoutMs);
    }
  }
  ~PrivateDb() { sqlite3_close_v2(db_); }
  PrivateDb(const PrivateDb&) = delete;
  PrivateDb& operator=(const PrivateDb&) = delete;

  sqlite3* get() const { return db_; }
  int exec(const QString& sql) const {
    return db_ ? sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) : SQLITE_CANTOPEN;
  }
  bool passesIntegrityCheck() const {
    if (!db_) return false;
    sqlite3_stmt* s = nullptr;
    QStringList lines;
    int rc = sqlite3_prepare_v2(db_, "PRAGMA integrity_check", -1, &s, nullptr);
    while (rc == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW)
      lines << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    sqlite3_finalize(s);
    return lines == QStringList{QStringLiteral("ok")};
  }

 private:
  sqlite3* db_ = nullptr;
};

// A prepared statement, finalized on leaving.
class Statement {
 public:
  Statement(sqlite3* db, const QString& sql) {
    if (db && sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &s_, nullptr) != SQLITE_OK) {
      sqlite3_finalize(s_);
      s_ = nullptr;
    }
  }
  ~Statement() { sqlite3_finalize(s_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  sqlite3_stmt* get() const { return s_; }
  explicit operator bool() const { return s_ != nullptr; }

 private:
  sqlite3_stmt* s_ = nullptr;
};

}  // namespace bv::sqlfile
