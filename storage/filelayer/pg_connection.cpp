#include "storage/filelayer/pg_connection.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <libpq-fe.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "storage/filelayer/pg_codes.h"
#include "storage/filelayer/pg_table.h"

namespace bv::sqlfile {

using namespace Qt::StringLiterals;
namespace {

// The advisory lock space of the share codes; the table's name picks the lock.
constexpr int kShareLockSpace = 0x4276;
const QString kTryShared = u"SELECT pg_try_advisory_lock_shared(%1, hashtext($1))"_s.arg(kShareLockSpace);
const QString kTryExclusive = u"SELECT pg_try_advisory_lock(%1, hashtext($1))"_s.arg(kShareLockSpace);
const QString kUnlockShared = u"SELECT pg_advisory_unlock_shared(%1, hashtext($1))"_s.arg(kShareLockSpace);
const QString kUnlockExclusive = u"SELECT pg_advisory_unlock(%1, hashtext($1))"_s.arg(kShareLockSpace);

void ignoreNotice(void*, const PGresult*) {}

// Only these can be prepared; the rest (LOCK, DDL) runs unprepared.
bool preparable(const QString& sql) {
  return sql.startsWith(u"SELECT") || sql.startsWith(u"INSERT") || sql.startsWith(u"UPDATE") ||
         sql.startsWith(u"DELETE");
}

QString stateOf(const PGresult* r) {
  const char* s = r ? PQresultErrorField(r, PG_DIAG_SQLSTATE) : nullptr;
  return s ? QString::fromLatin1(s) : QString();
}

bool succeeded(const PGresult* r) {
  const ExecStatusType status = r ? PQresultStatus(r) : PGRES_FATAL_ERROR;
  return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

using Result = std::unique_ptr<PGresult, decltype(&PQclear)>;

}  // namespace

// ---- rows -------------------------------------------------------------------------

void PgRows::reset(pg_result* result) { result_.reset(result, &PQclear); }

int PgRows::count() const { return result_ ? PQntuples(result_.get()) : 0; }

qint64 PgRows::integer(int row, int column) const {
  return std::strtoll(PQgetvalue(result_.get(), row, column), nullptr, 10);
}

QString PgRows::text(int row, int column) const {
  return QString::fromUtf8(PQgetvalue(result_.get(), row, column), PQgetlength(result_.get(), row, column));
}

SqlValue PgRows::value(int row, int column) const {
  switch (PQftype(result_.get(), column)) {
    case 20:  // int8
    case 21:  // int2
    case 23:  // int4
      return integer(row, column);
    default:
      return text(row, column);
  }
}

// ---- connection -------------------------------------------------------------------

PgConnection::PgConnection(QString connection, const FileLayerOptions& options)
    : connection_(std::move(connection)), options_(options) {
  if (options_.stationDirectory.isEmpty()) options_.stationDirectory = options_.dataDirectory;
  jitter_ ^= static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()) ^ static_cast<quint32>(::getpid()) << 16;
  if (jitter_ == 0) jitter_ = 1;
}

PgConnection::~PgConnection() {
  marked_.clear();
  if (conn_) PQfinish(conn_);
}

std::shared_ptr<PgTable> PgConnection::table(const TableDef& physical, const QString& path) {
  // One store per table on the server, as one per file on disk.
  const QString name = QFileInfo(physical.fileName).completeBaseName();
  if (auto existing = tables_.value(name).lock()) return existing;
  auto made = std::make_shared<PgTable>(*this, physical, path);
  tables_.insert(name, made);
  return made;
}

int PgConnection::connect() {
  if (conn_) PQfinish(conn_);
  prepared_.clear();
  // The connection string comes last, so that what it says wins.
  const QByteArray dbname = connection_.toUtf8();
  const char* keys[] = {"connect_timeout", "application_name", "client_encoding", "dbname", nullptr};
  const char* values[] = {"10", "bravent", "UTF8", dbname.constData(), nullptr};
  conn_ = PQconnectdbParams(keys, values, 1);
  if (PQstatus(conn_) != CONNECTION_OK)
    return reportFileSystem(QString::fromUtf8(PQerrorMessage(conn_)).trimmed(), u"08001"_s);
  PQsetNoticeReceiver(conn_, &ignoreNotice, nullptr);
  const QByteArray setup =
      u"SET lock_timeout = %1; SELECT current_schema()"_s.arg(std::max(1, options_.busyTimeoutMs)).toUtf8();
  Result r(PQexec(conn_, setup.constData()), &PQclear);
  if (!succeeded(r.get())) return reportServer(stateOf(r.get()), QString::fromUtf8(PQerrorMessage(conn_)), SqlAction::Open);
  if (PQgetisnull(r.get(), 0, 0))
    return reportFileSystem(u"El servidor no tiene el esquema de la conexión"_s, u"3F000"_s);
  schema_ = QString::fromUtf8(PQgetvalue(r.get(), 0, 0));
  // The server forgot the session's share locks with the connection: take them again.
  for (auto it = shares_.begin(); it != shares_.end(); ++it) {
    const int level = it->level;
    it->level = 0;
    lockTo(it.key(), *it, level);
  }
  return kFileOk;
}

int PgConnection::usable() {
  if (lostInTransaction_) return reportFileSystem(lostText_, u"08006"_s);
  if (conn_ && PQstatus(conn_) == CONNECTION_OK) return kFileOk;
  return connect();
}

int PgConnection::lost(const QString& text) {
  if (inTransaction_) {
    lostInTransaction_ = true;
    lostText_ = text.trimmed();
  }
  return reportFileSystem(text.trimmed(), u"08006"_s);
}

bool PgConnection::control(const char* sql) {
  Result r(PQexec(conn_, sql), &PQclear);
  return succeeded(r.get());
}

int PgConnection::run(const QString& sql, const std::vector<SqlValue>& binds, SqlAction action, PgRows* rows,
                      qint64* affected) {
  if (const int code = usable(); code != kFileOk) return code;
  std::vector<QByteArray> texts;
  texts.reserve(binds.size());
  std::vector<const char*> values;
  values.reserve(binds.size());
  for (const SqlValue& v : binds) {
    texts.push_back(std::holds_alternative<qint64>(v) ? QByteArray::number(std::get<qint64>(v))
                                                      : std::get<QString>(v).toUtf8());
    values.push_back(texts.back().constData());
  }
  const int count = static_cast<int>(values.size());
  // A write inside a transaction runs in a savepoint: when it fails (a duplicate
  // key), the transaction goes on as the files' transactions do.
  const bool guarded = inTransaction_ && action != SqlAction::Read;
  const QDeadlineTimer deadline(std::max(0, options_.busyTimeoutMs));
  for (;;) {
    if (guarded && !control("SAVEPOINT bv_statement")) {
      if (PQstatus(conn_) != CONNECTION_OK) return lost(QString::fromUtf8(PQerrorMessage(conn_)));
      return reportFileSystem(QString::fromUtf8(PQerrorMessage(conn_)), u"25P02"_s);
    }
    PGresult* result = nullptr;
    if (preparable(sql)) {
      QByteArray& name = prepared_[sql];
      if (name.isEmpty()) {
        const QByteArray candidate = "bv" + QByteArray::number(prepared_.size());
        Result made(PQprepare(conn_, candidate.constData(), sql.toUtf8().constData(), count, nullptr), &PQclear);
        if (succeeded(made.get())) {
          name = candidate;
        } else {
          prepared_.remove(sql);
          result = made.release();
        }
      }
      if (!result) result = PQexecPrepared(conn_, name.constData(), count, values.data(), nullptr, nullptr, 0);
    } else {
      result = PQexecParams(conn_, sql.toUtf8().constData(), count, nullptr, values.data(), nullptr, nullptr, 0);
    }
    Result r(result, &PQclear);
    if (succeeded(r.get())) {
      if (guarded) control("RELEASE SAVEPOINT bv_statement");
      if (affected) *affected = std::strtoll(PQcmdTuples(r.get()), nullptr, 10);
      if (rows) rows->reset(r.release());
      return kFileOk;
    }
    const QString state = stateOf(r.get());
    const QString text = QString::fromUtf8(PQerrorMessage(conn_));
    if (PQstatus(conn_) != CONNECTION_OK) return lost(text);
    if (guarded) {
      control("ROLLBACK TO SAVEPOINT bv_statement");
      control("RELEASE SAVEPOINT bv_statement");
    }
    // Outside a transaction, or in a savepoint of one, the statement can run again.
    if (isRetryableState(state) && (!inTransaction_ || guarded) && !deadline.hasExpired()) {
      jitter_ ^= jitter_ << 13;
      jitter_ ^= jitter_ >> 17;
      jitter_ ^= jitter_ << 5;
      std::this_thread::sleep_for(std::chrono::microseconds(500 + jitter_ % 4500));
      continue;
    }
    return reportServer(state, text, action);
  }
}

// ---- share locks ------------------------------------------------------------------

bool PgConnection::lockTo(const QString& key, Share& share, int level) {
  if (level == share.level) return true;
  PgRows rows;
  // Take the new level before letting the old one go: in between another
  // station could take it.
  if (level > 0) {
    if (run(level == 2 ? kTryExclusive : kTryShared, {key}, SqlAction::Open, &rows) != kFileOk) return false;
    if (rows.text(0, 0) != u"t") return false;
  }
  if (share.level > 0) run(share.level == 2 ? kUnlockExclusive : kUnlockShared, {key}, SqlAction::Open);
  share.level = level;
  return true;
}

bool PgConnection::acquireShare(const QString& key, bool exclusive) {
  Share& share = shares_[key];
  const int wanted = exclusive || share.exclusive > 0 ? 2 : 1;
  if (!lockTo(key, share, wanted)) return false;
  ++(exclusive ? share.exclusive : share.shared);
  return true;
}

void PgConnection::releaseShare(const QString& key, bool exclusive) {
  Share& share = shares_[key];
  int& count = exclusive ? share.exclusive : share.shared;
  if (count > 0) --count;
  lockTo(key, share, share.exclusive > 0 ? 2 : share.shared > 0 ? 1 : 0);
}

bool PgConnection::beginSolitary(const QString& key) { return lockTo(key, shares_[key], 2); }

void PgConnection::endSolitary(const QString& key) {
  Share& share = shares_[key];
  lockTo(key, share, share.exclusive > 0 ? 2 : share.shared > 0 ? 1 : 0);
}

// ---- transactions -----------------------------------------------------------------

int PgConnection::mark(const std::shared_ptr<PgTable>& table) {
  if (isMarked(*table)) return report(kFileOk);
  if (inTransaction_)
    if (const int code = lockMarked(*table); code != kFileOk) return code;
  marked_.push_back(table);
  return report(kFileOk);
}

bool PgConnection::isMarked(const PgTable& table) const {
  return std::any_of(marked_.begin(), marked_.end(), [&](const auto& m) { return m.get() == &table; });
}

int PgConnection::lockMarked(PgTable& table) {
  // Other stations may read the table but not write it until the end.
  return run(u"LOCK TABLE "_s + table.name() + u" IN SHARE ROW EXCLUSIVE MODE"_s, {},
             SqlAction::Write);
}

int PgConnection::begin(int waitSeconds) {
  failedPath_.clear();
  commitWarning_ = {};
  if (inTransaction_) return report(kTransactionActive);
  if (const int code = usable(); code != kFileOk) {
    marked_.clear();
    return code;
  }
  // One order for every station, so two transactions never wait for each other in a ring.
  std::sort(marked_.begin(), marked_.end(), [](const auto& a, const auto& b) { return a->path() < b->path(); });
  PgRows id;
  if (run(u"BEGIN"_s, {}, SqlAction::Write) != kFileOk) {
    marked_.clear();
    return currentRuntimeError().code;
  }
  inTransaction_ = true;
  int code = run(u"SELECT txid_current()"_s, {}, SqlAction::Read, &id);
  if (code == kFileOk) transactionId_ = id.integer(0, 0);
  const auto setWait = [&](int ms) {
    return run(u"SET LOCAL lock_timeout = %1"_s.arg(std::max(1, ms)), {}, SqlAction::Write);
  };
  if (code == kFileOk) code = setWait(std::max(0, waitSeconds) * 1000);
  for (const auto& t : marked_) {
    if (code != kFileOk) break;
    if ((code = lockMarked(*t)) != kFileOk) failedPath_ = t->path();
  }
  if (code == kFileOk) code = setWait(options_.busyTimeoutMs);
  if (code != kFileOk) {
    const RuntimeError error = currentRuntimeError();
    rollback();
    setRuntimeError(error);
    return code;
  }
  return report(kFileOk);
}

void PgConnection::endTransaction(bool committed) {
  inTransaction_ = false;
  lostInTransaction_ = false;
  lostText_.clear();
  marked_.clear();
  for (auto it = tables_.begin(); it != tables_.end(); ++it)
    if (auto t = it.value().lock()) t->transactionEnded(committed);
}

bool PgConnection::committedAfterLoss() {
  if (transactionId_ == 0 || connect() != kFileOk) return false;
  PgRows rows;
  if (run(u"SELECT txid_status($1)"_s, {transactionId_}, SqlAction::Read, &rows) != kFileOk) return false;
  return rows.text(0, 0) == u"committed";
}

int PgConnection::commit() {
  commitWarning_ = {};
  if (!inTransaction_) return report(kFileOk);
  if (lostInTransaction_) {
    const QString text = lostText_;
    endTransaction(false);
    return reportFileSystem(text, u"08006"_s);
  }
  if (PQtransactionStatus(conn_) == PQTRANS_INERROR) {
    // A read failed inside it: the server would answer the COMMIT by undoing it all.
    control("ROLLBACK");
    endTransaction(false);
    return reportFileSystem(u"La transacción fue anulada por el servidor"_s, u"25P02"_s);
  }
  Result r(PQexec(conn_, "COMMIT"), &PQclear);
  if (succeeded(r.get()) && qstrcmp(PQcmdStatus(r.get()), "COMMIT") == 0) {
    endTransaction(true);
    return report(kFileOk);
  }
  const QString state = stateOf(r.get());
  const QString text = succeeded(r.get()) ? u"La transacción fue anulada por el servidor"_s
                                          : QString::fromUtf8(PQerrorMessage(conn_)).trimmed();
  if (PQstatus(conn_) != CONNECTION_OK) {
    // The answer was lost with the connection: the server knows whether it committed.
    const bool committed = committedAfterLoss();
    endTransaction(committed);
    if (committed) {
      commitWarning_ = RuntimeError{kFileSystemError, fileCodeText(kFileSystemError), u"08006"_s, text};
      return report(kFileOk);
    }
    return reportFileSystem(text, u"08006"_s);
  }
  // A failed COMMIT ends the transaction on the server: nothing of it was kept.
  endTransaction(false);
  return reportServer(state.isEmpty() ? u"40000"_s : state, text, SqlAction::Write);
}

int PgConnection::rollback() {
  const bool lostOne = lostInTransaction_;
  if (inTransaction_ && !lostOne && conn_ && PQstatus(conn_) == CONNECTION_OK) control("ROLLBACK");
  if (!inTransaction_) marked_.clear();
  endTransaction(false);
  return report(kFileOk);
}

}  // namespace bv::sqlfile
