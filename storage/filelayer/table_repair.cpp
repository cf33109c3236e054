#include "storage/filelayer/table_repair.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <sqlite3.h>

#include "storage/filelayer/file_layer.h"
#include "storage/filelayer/sqlite_codes.h"

namespace bv::sqlfile {
namespace {

// A private connection to one file, closed on leaving.
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

bool rebuildInPlace(const QString& path, int busyTimeoutMs) {
  PrivateDb db(path, SQLITE_OPEN_READWRITE, busyTimeoutMs);
  return db.get() && db.exec(QStringLiteral("REINDEX")) == SQLITE_OK && db.passesIntegrityCheck();
}

// Copies the readable rows of `path` into the fresh file `fresh`. Damaged pages
// are stepped over by seeking further and further past the last good position.
int salvage(const QString& path, const QString& fresh, const TableSchema& schema, int busyTimeoutMs) {
  PrivateDb in(path, SQLITE_OPEN_READWRITE, busyTimeoutMs);
  PrivateDb out(fresh, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, busyTimeoutMs);
  if (!in.get() || !out.get()) return report(kKeyNeedsRebuild);
  const QString main = QStringLiteral("main");
  if (out.exec(QStringLiteral("BEGIN")) != SQLITE_OK || out.exec(schema.createTableSql(main)) != SQLITE_OK)
    return reportSqlite(out.get(), sqlite3_errcode(out.get()), SqlAction::Write);

  const int valueCount = schema.valueColumnCount();
  const auto& columns = schema.columns();
  QStringList names{quoted(kPositionColumn), quoted(kPlaceholderColumn)};
  for (const SchemaColumn& c : columns) names << quoted(c.name);
  QStringList marks;
  for (qsizetype i = 0; i < names.size(); ++i) marks << QStringLiteral("?");
  // A record whose key collides with one copied before (damage can do that) is
  // left in the damaged file.
  const QString insertSql = QStringLiteral("INSERT OR IGNORE INTO ") + schema.qualifiedTable(main) +
                            QStringLiteral(" (") + names.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") +
                            marks.join(QStringLiteral(", ")) + u')';
  const QString selectSql = QStringLiteral("SELECT ") + schema.selectList() + QStringLiteral(" FROM ") +
                            schema.qualifiedTable(main) + QStringLiteral(" WHERE ") + quoted(kPositionColumn) +
                            QStringLiteral(" > ? ORDER BY ") + quoted(kPositionColumn);
  sqlite3_stmt* select = nullptr;
  sqlite3_stmt* insert = nullptr;
  if (sqlite3_prepare_v2(in.get(), selectSql.toUtf8().constData(), -1, &select, nullptr) != SQLITE_OK ||
      sqlite3_prepare_v2(out.get(), insertSql.toUtf8().constData(), -1, &insert, nullptr) != SQLITE_OK) {
    sqlite3_finalize(select);
    sqlite3_finalize(insert);
    return report(kKeyNeedsRebuild);  // not even the table can be found
  }

  qint64 last = 0;
  qint64 highest = 0;
  qint64 jump = 1;
  int failures = 0;
  bool readSome = false;
  while (failures < 48) {
    sqlite3_bind_int64(select, 1, last);
    int rc;
    while ((rc = sqlite3_step(select)) == SQLITE_ROW) {
      readSome = true;
      const qint64 pos = sqlite3_column_int64(select, 0);
      sqlite3_bind_int64(insert, 1, pos);
      sqlite3_bind_int64(insert, 2, sqlite3_column_int64(select, 1));
      std::vector<SqlValue> row;
      for (int i = 0; i < valueCount; ++i) row.push_back(column(select, TableSchema::resultColumn(i)));
      for (std::size_t i = 0; i < columns.size(); ++i) {
        const SchemaColumn& c = columns[i];
        SqlValue v = c.shadow ? SqlValue(upperForKey(std::get_if<QString>(&row[c.source]) ? std::get<QString>(row[c.source])
                                                                                           : QString()))
                              : row[i];
        bindValue(insert, static_cast<int>(i) + 3, v);
      }
      sqlite3_step(insert);
      sqlite3_reset(insert);
      last = highest = pos;
      jump = 1;
    }
    sqlite3_reset(select);
    if (rc == SQLITE_DONE) break;
    // A damaged page: try again past it.
    ++failures;
    last += jump;
    jump *= 2;
  }
  sqlite3_finalize(select);
  sqlite3_finalize(insert);
  if (!readSome && failures > 0) return report(kKeyNeedsRebuild);

  // Positions stay never reused: the sequence goes on from the old file's.
  sqlite3_stmt* seq = nullptr;
  if (sqlite3_prepare_v2(in.get(), "SELECT seq FROM sqlite_sequence WHERE name = ?1", -1, &seq, nullptr) == SQLITE_OK) {
    bindValue(seq, 1, schema.table().label);
    if (sqlite3_step(seq) == SQLITE_ROW) highest = std::max<qint64>(highest, sqlite3_column_int64(seq, 0));
  }
  sqlite3_finalize(seq);
  if (highest > 0) {
    sqlite3_stmt* setSeq = nullptr;
    sqlite3_prepare_v2(out.get(), "INSERT OR REPLACE INTO sqlite_sequence (name, seq) VALUES (?1, ?2)", -1, &setSeq,
                       nullptr);
    bindValue(setSeq, 1, schema.table().label);
    sqlite3_bind_int64(setSeq, 2, highest);
    sqlite3_step(setSeq);
    sqlite3_finalize(setSeq);
  }
  for (const KeyLayout& k : schema.keys())
    if (out.exec(schema.createIndexSql(main, k)) != SQLITE_OK) return report(kKeyNeedsRebuild);
  if (out.exec(QStringLiteral("PRAGMA main.user_version = %1").arg(kSchemaVersion)) != SQLITE_OK ||
      out.exec(QStringLiteral("COMMIT")) != SQLITE_OK)
    return reportSqlite(out.get(), sqlite3_errcode(out.get()), SqlAction::Write);
  return out.passesIntegrityCheck() ? kFileOk : report(kKeyNeedsRebuild);
}

bool replaceFile(const QString& from, const QString& to) {
  QFile::remove(to);
  return QFile::rename(from, to);
}

}  // namespace

int rebuildTableFile(const QString& path, const TableSchema& schema, int busyTimeoutMs) {
  if (rebuildInPlace(path, busyTimeoutMs)) return kFileOk;
  const QString fresh = path + QStringLiteral(".rebuild");
  QFile::remove(fresh);
  QFile::remove(fresh + QStringLiteral("-journal"));
  const int code = salvage(path, fresh, schema, busyTimeoutMs);
  if (code != kFileOk) {
    QFile::remove(fresh);
    QFile::remove(fresh + QStringLiteral("-journal"));
    return code;
  }
  const QString damaged = path + QStringLiteral(".damaged");
  // A journal left beside the damaged file belongs to it, never to the fresh one.
  const QString journal = path + QStringLiteral("-journal");
  if (!replaceFile(path, damaged)) return reportFileSystem(QStringLiteral("No se pudo renombrar ") + path, QString());
  if (QFileInfo::exists(journal)) replaceFile(journal, damaged + QStringLiteral("-journal"));
  if (!replaceFile(fresh, path)) return reportFileSystem(QStringLiteral("No se pudo renombrar ") + fresh, QString());
  return kFileOk;
}

}  // namespace bv::sqlfile
