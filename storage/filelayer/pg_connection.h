#pragma once
// The one server connection of a layer whose tables are kept on a database
// server. It runs statements with bound values (each text prepared once per
// session), maps the server's failures to the layer's codes, keeps the share
// codes of the handles as advisory locks of the session, and runs the
// transactions.
//
// Tables live in the connection's current schema (the first one of its search
// path), named by the dictionary: several data directories share one database
// by naming a schema each in their connection string.
//
// A lost connection answers 90 with the server's text; the next operation
// connects again, except inside a transaction: the server has undone it, so
// every operation answers 90 until the caller rolls it back, and nothing of the
// rest of it runs outside a transaction.
#include <QHash>
#include <QString>
#include <memory>
#include <vector>

#include "runtime/runtime_error.h"
#include "storage/filelayer/file_layer.h"
#include "storage/filelayer/sql_value.h"
#include "storage/filelayer/sqlite_codes.h"

struct pg_conn;
struct pg_result;

namespace bv::sqlfile {

class PgTable;

// The rows of one result.
class PgRows {
 public:
  int count() const;
  // A column's value: integers for the server's integer types, texts otherwise.
  SqlValue value(int row, int column) const;
  qint64 integer(int row, int column) const;
  QString text(int row, int column) const;
  void reset(pg_result* result);

 private:
  std::shared_ptr<pg_result> result_;
};

class PgConnection {
 public:
  PgConnection(QString connection, const FileLayerOptions& options);
  ~PgConnection();
  PgConnection(const PgConnection&) = delete;
  PgConnection& operator=(const PgConnection&) = delete;

  const FileLayerOptions& options() const { return options_; }
  void setStationDirectory(const QString& directory) { options_.stationDirectory = directory; }
  // The schema the tables live in (empty until connected).
  const QString& schema() const { return schema_; }

  // The store of a table (one per table and connection), made on first request.
  std::shared_ptr<PgTable> table(const TableDef& physical, const QString& path);

  // Connects when there is no connection (not inside a lost transaction).
  int usable();
  // Runs one statement with bound values ($1, $2, ...); hands its rows to `rows`
  // and the number of rows it changed to `affected`. Inside a transaction a write
  // that fails changes nothing and leaves the transaction going. A serialization
  // failure or deadlock is run again until the wait runs out. Answers a file code,
  // runtime error set on failure.
  int run(const QString& sql, const std::vector<SqlValue>& binds, SqlAction action, PgRows* rows = nullptr,
          qint64* affected = nullptr);

  // The share codes across stations: a session-level advisory lock per table,
  // shared or exclusive; opens within the layer count on one lock.
  bool acquireShare(const QString& key, bool exclusive);
  void releaseShare(const QString& key, bool exclusive);
  // Exclusive for a moment (a rebuild), whatever this layer holds.
  bool beginSolitary(const QString& key);
  void endSolitary(const QString& key);

  // Marks a table for the next transaction; inside one it joins at once.
  int mark(const std::shared_ptr<PgTable>& table);
  bool isMarked(const PgTable& table) const;
  int begin(int waitSeconds);
  int commit();
  int rollback();
  bool inTransaction() const { return inTransaction_; }
  const RuntimeError& commitWarning() const { return commitWarning_; }
  const QString& failedPath() const { return failedPath_; }

 private:
  struct Share {
    int shared = 0;
    int exclusive = 0;
    int level = 0;  // 0 none, 1 shared, 2 exclusive
  };
  int connect();
  int lost(const QString& text);
  // A statement without values, outside the retry: transaction control.
  bool control(const char* sql);
  bool lockTo(const QString& key, Share& share, int level);
  int lockMarked(PgTable& table);
  void endTransaction(bool committed);
  // After a commit whose answer was lost: did the server commit it?
  bool committedAfterLoss();

  QString connection_;
  FileLayerOptions options_;
  pg_conn* conn_ = nullptr;
  QString schema_;
  QHash<QString, QByteArray> prepared_;
  QHash<QString, Share> shares_;
  QHash<QString, std::weak_ptr<PgTable>> tables_;
  std::vector<std::shared_ptr<PgTable>> marked_;
  bool inTransaction_ = false;
  bool lostInTransaction_ = false;
  QString lostText_;
  qint64 transactionId_ = 0;
  RuntimeError commitWarning_;
  QString failedPath_;
  quint32 jitter_ = 0x9e3779b9u;
};

}  // namespace bv::sqlfile
