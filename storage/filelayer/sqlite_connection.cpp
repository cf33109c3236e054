#include "storage/filelayer/sqlite_connection.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "runtime/runtime_error.h"
#include "storage/filelayer/table_store.h"

namespace bv::sqlfile {
namespace {

// Opens the main file in the data directory; when the directory cannot take it
// (no write permission and no such file), a private temporary main database: no
// table can be written there either, so nothing needs the super-journal then.
sqlite3* openMain(const QString& directory) {
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXRESCODE;
  const QString path = QDir(directory).absoluteFilePath(kMainFileName);
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr) == SQLITE_OK &&
      sqlite3_exec(db, "PRAGMA main.journal_mode=DELETE", nullptr, nullptr, nullptr) == SQLITE_OK)
    return db;
  sqlite3_close(db);
  db = nullptr;
  if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_EXRESCODE,
                      nullptr) == SQLITE_OK &&
      sqlite3_exec(db, "SELECT 1 FROM main.sqlite_schema LIMIT 1", nullptr, nullptr, nullptr) == SQLITE_OK)
    return db;
  sqlite3_close(db);
  db = nullptr;
  sqlite3_open_v2("", &db, flags, nullptr);
  return db;
}

}  // namespace

SqliteConnection::SqliteConnection(const FileLayerOptions& options) : options_(options) {
  if (options_.stationDirectory.isEmpty()) options_.stationDirectory = options_.dataDirectory;
  // Stations started together must not sleep in step.
  jitter_ ^= static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()) ^ static_cast<quint32>(::getpid()) << 16;
  if (jitter_ == 0) jitter_ = 1;
  db_ = openMain(options_.dataDirectory);
  sqlite3_extended_result_codes(db_, 1);
  setBusyTimeout(options_.busyTimeoutMs);
  attachLimit_ = sqlite3_limit(db_, SQLITE_LIMIT_ATTACHED, -1);
}

SqliteConnection::~SqliteConnection() {
  if (inTransaction_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  marked_.clear();
  for (const auto& s : attached_) s->setAttached(false);
  attached_.clear();
  for (auto it = stores_.begin(); it != stores_.end(); ++it)
    if (auto s = it.value().lock()) s->dropStatements();
  sqlite3_close_v2(db_);
}

std::shared_ptr<TableStore> SqliteConnection::store(const QString& path, const TableDef& physical) {
  if (auto existing = stores_.value(path).lock()) return existing;
  auto made = std::make_shared<TableStore>(*this, path, physical, QStringLiteral("f%1").arg(nextSchema_++));
  stores_.insert(path, made);
  return made;
}

void SqliteConnection::setBusyTimeout(int ms) {
  busyTimeoutMs_ = ms;
  sqlite3_busy_handler(db_, ms > 0 ? &SqliteConnection::onBusy : nullptr, this);
}

int SqliteConnection::onBusy(void* self, int count) {
  auto* c = static_cast<SqliteConnection*>(self);
  const qint64 now = QDateTime::currentMSecsSinceEpoch();
  if (count == 0) c->busySince_ = now;
  if (now - c->busySince_ >= c->busyTimeoutMs_) return 0;
  c->jitter_ ^= c->jitter_ << 13;
  c->jitter_ ^= c->jitter_ >> 17;
  c->jitter_ ^= c->jitter_ << 5;
  std::this_thread::sleep_for(std::chrono::microseconds(500 + c->jitter_ % 4500));
  return 1;
}

bool SqliteConnection::inFileTransaction(const TableStore& store) const {
  if (!store.isAttached()) return false;
  return sqlite3_txn_state(db_, store.schemaName().toUtf8().constData()) != SQLITE_TXN_NONE;
}

bool SqliteConnection::isReadOnly(const TableStore& store) const {
  return store.isAttached() && sqlite3_db_readonly(db_, store.schemaName().toUtf8().constData()) == 1;
}

bool SqliteConnection::isMarked(const TableStore& store) const {
  return std::any_of(marked_.begin(), marked_.end(), [&](const auto& m) { return m.get() == &store; });
}

bool SqliteConnection::isIdle(const TableStore& store) const {
  return !inFileTransaction(store) && !isMarked(store);
}

int SqliteConnection::exec(const QString& sql, SqlAction action) {
  const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
  return rc == SQLITE_OK ? kFileOk : reportSqlite(db_, rc, action);
}

bool SqliteConnection::detach(TableStore& store) {
  if (!store.isAttached()) return true;
  if (!isIdle(store)) return false;
  store.dropStatements();
  if (exec(QStringLiteral("DETACH DATABASE ") + quoted(store.schemaName()), SqlAction::Open) != kFileOk)
    return false;
  store.setAttached(false);
  attached_.remove_if([&](const auto& s) { return s.get() == &store; });
  return true;
}

int SqliteConnection::attach(TableStore& store) {
  if (store.isAttached()) {
    auto it = std::find_if(attached_.begin(), attached_.end(), [&](const auto& s) { return s.get() == &store; });
    if (it != attached_.begin() && it != attached_.end()) attached_.splice(attached_.begin(), attached_, it);
    return kFileOk;
  }
  while (static_cast<int>(attached_.size()) >= attachLimit_) {
    std::shared_ptr<TableStore> victim;  // keeps the store alive while it leaves the list
    for (auto it = attached_.rbegin(); it != attached_.rend() && !victim; ++it)
      if (isIdle(**it)) victim = *it;
    const bool freed = victim && detach(*victim);
    // Every attached file takes part in the running transaction.
    if (!freed) return report(kTransactionNotSupported);
  }
  sqlite3_stmt* statement = nullptr;
  int rc = sqlite3_prepare_v2(db_, (QStringLiteral("ATTACH DATABASE ?1 AS ") + quoted(store.schemaName())).toUtf8().constData(),
                              -1, &statement, nullptr);
  if (rc == SQLITE_OK) {
    bindValue(statement, 1, store.path());
    rc = sqlite3_step(statement);
  }
  sqlite3_finalize(statement);
  if (rc != SQLITE_OK && rc != SQLITE_DONE) return reportSqlite(db_, rc, SqlAction::Open);
  store.setAttached(true);
  attached_.push_front(store.shared_from_this());

  auto fail = [&](int code) {
    detach(store);
    return code;
  };
  const QString schema = quoted(store.schemaName());
  if (!checked_.contains(store.path())) {
    // A file made elsewhere in another journal mode is switched back, so that its
    // commits join the super-journal of a transaction over several files.
    const int code = exec(QStringLiteral("PRAGMA ") + schema + QStringLiteral(".journal_mode=DELETE"), SqlAction::Open);
    if (code == kKeyNeedsRebuild) return fail(code);
    QStringList problems;
    sqlite3_stmt* check = nullptr;
    rc = sqlite3_prepare_v2(db_, (QStringLiteral("PRAGMA ") + schema + QStringLiteral(".quick_check")).toUtf8().constData(),
                            -1, &check, nullptr);
    while (rc == SQLITE_OK && (rc = sqlite3_step(check)) == SQLITE_ROW)
      problems << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)));
    if (rc == SQLITE_ROW) rc = SQLITE_OK;
    sqlite3_finalize(check);
    if (rc != SQLITE_OK && rc != SQLITE_DONE) return fail(reportSqlite(db_, rc, SqlAction::Open));
    if (problems != QStringList{QStringLiteral("ok")}) return fail(report(kKeyNeedsRebuild));
    checked_.insert(store.path());
  }
  return kFileOk;
}

int SqliteConnection::mark(TableStore& store) {
  if (isMarked(store)) return report(kFileOk);
  if (static_cast<int>(marked_.size()) >= attachLimit_) return report(kTransactionNotSupported);
  marked_.push_back(store.shared_from_this());
  if (inTransaction_) {
    // Joins the running transaction at once.
    int code = attach(store);
    if (code == kFileOk) code = takeWriteLock(store);
    if (code != kFileOk) {
      marked_.pop_back();
      return code;
    }
    if (const auto counter = changeCounter(store)) counters_.emplace_back(store.shared_from_this(), *counter);
  }
  return report(kFileOk);
}

int SqliteConnection::takeWriteLock(TableStore& store) {
  // A write that changes nothing takes the file's write lock (RESERVED) now, so
  // that every marked file is held from the start and nothing waits later.
  return exec(QStringLiteral("DELETE FROM ") + store.table() + QStringLiteral(" WHERE 0"), SqlAction::Write);
}

void SqliteConnection::endTransaction(bool committed) {
  inTransaction_ = false;
  // A table made inside the transaction went with a rollback.
  for (auto it = stores_.begin(); it != stores_.end(); ++it)
    if (auto s = it.value().lock()) s->transactionEnded(committed);
  marked_.clear();
  counters_.clear();
}

std::optional<quint32> SqliteConnection::changeCounter(const TableStore& store) const {
  sqlite3_file* file = nullptr;
  if (sqlite3_file_control(db_, store.schemaName().toUtf8().constData(), SQLITE_FCNTL_FILE_POINTER, &file) !=
          SQLITE_OK ||
      !file || !file->pMethods)
    return std::nullopt;
  unsigned char bytes[4] = {};
  if (file->pMethods->xRead(file, bytes, 4, 24) != SQLITE_OK) return std::nullopt;
  return quint32(bytes[0]) << 24 | quint32(bytes[1]) << 16 | quint32(bytes[2]) << 8 | quint32(bytes[3]);
}

bool SqliteConnection::committedAfterFailure() {
  if (counters_.empty()) return false;
  // A read of every file first: it rolls back what a failed commit left half
  // written (a hot journal), and its shared locks keep other stations from
  // committing while the counters are compared.
  bool committed = false;
  if (sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK) return false;
  bool readable = true;
  for (const auto& [store, before] : counters_) {
    const QString sql = QStringLiteral("SELECT count(*) FROM ") + quoted(store->schemaName()) +
                        QStringLiteral(".sqlite_schema");
    readable = readable && sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
  }
  for (const auto& [store, before] : counters_) {
    const auto after = changeCounter(*store);
    committed = committed || (readable && after && *after != before);
  }
  sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  return committed;
}

int SqliteConnection::begin(int waitSeconds) {
  failedPath_.clear();
  if (inTransaction_) return report(kTransactionActive);
  // One order for every station, so two transactions never wait for each other in a ring.
  std::sort(marked_.begin(), marked_.end(), [](const auto& a, const auto& b) { return a->path() < b->path(); });
  for (const auto& s : marked_) {
    const int code = attach(*s);
    if (code != kFileOk) {
      failedPath_ = s->path();
      marked_.clear();
      return code;
    }
  }
  // Deferred, then each marked file locked in turn: BEGIN IMMEDIATE would lock every
  // attached file and the shared main file as well.
  int code = exec(QStringLiteral("BEGIN"), SqlAction::Write);
  if (code != kFileOk) {
    marked_.clear();
    return code;
  }
  inTransaction_ = true;
  const QDeadlineTimer deadline(std::max(0, waitSeconds) * 1000);
  for (const auto& s : marked_) {
    setBusyTimeout(static_cast<int>(std::max<qint64>(0, deadline.remainingTime())));
    code = takeWriteLock(*s);
    if (code != kFileOk) {
      failedPath_ = s->path();
      break;
    }
    if (const auto counter = changeCounter(*s)) counters_.emplace_back(s, *counter);
  }
  setBusyTimeout(options_.busyTimeoutMs);
  if (code != kFileOk) {
    const RuntimeError error = currentRuntimeError();
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    endTransaction(false);
    setRuntimeError(error);
    return code;
  }
  return report(kFileOk);
}

int SqliteConnection::commit() {
  commitWarning_ = {};
  if (!inTransaction_) return report(kFileOk);
  const int code = exec(QStringLiteral("COMMIT"), SqlAction::Write);
  if (code == kFileOk) {
    endTransaction(true);
    return report(kFileOk);
  }
  // A busy commit leaves the transaction running: the caller rolls it back.
  if (!sqlite3_get_autocommit(db_)) return code;
  // Other failures end it, before the commit point (rolled back) or after it
  // (committed, the disk's error only reported): the files tell which.
  const RuntimeError failure = currentRuntimeError();
  const bool committed = committedAfterFailure();
  endTransaction(committed);
  if (committed) {
    commitWarning_ = failure;
    return report(kFileOk);
  }
  setRuntimeError(failure);
  return code;
}

int SqliteConnection::rollback() {
  int code = kFileOk;
  if (!sqlite3_get_autocommit(db_)) code = exec(QStringLiteral("ROLLBACK"), SqlAction::Write);
  const RuntimeError error = currentRuntimeError();
  endTransaction(false);
  setRuntimeError(error);
  return code == kFileOk ? report(kFileOk) : code;
}

}  // namespace bv::sqlfile
