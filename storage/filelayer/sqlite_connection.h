#pragma once
// The one SQLite connection of a layer. Its main database is a small real file in
// the data directory ("Bravent.main"), so that a transaction over several table
// files commits atomically through a super-journal; the table files are attached
// on demand, at most as many as SQLite attaches at once (10), and the least
// recently used idle file is detached to make room. A file is idle when no
// transaction (read or write) is open on it and it is not marked for the next
// one; statements are reset as soon as their row is taken, so none stays active.
// Files use the rollback journal (journal_mode=DELETE), never WAL.
#include <QHash>
#include <QSet>
#include <QString>
#include <list>
#include <memory>
#include <optional>
#include <sqlite3.h>
#include <vector>

#include "runtime/runtime_error.h"
#include "storage/dictionary/table_def.h"
#include "storage/filelayer/file_layer.h"
#include "storage/filelayer/sqlite_codes.h"

namespace bv::sqlfile {

class TableStore;

inline const QString kMainFileName = QStringLiteral("Bravent.main");

class SqliteConnection : public std::enable_shared_from_this<SqliteConnection> {
 public:
  explicit SqliteConnection(const FileLayerOptions& options);
  ~SqliteConnection();
  SqliteConnection(const SqliteConnection&) = delete;
  SqliteConnection& operator=(const SqliteConnection&) = delete;

  sqlite3* db() const { return db_; }
  const FileLayerOptions& options() const { return options_; }
  void setStationDirectory(const QString& directory) { options_.stationDirectory = directory; }
  int attachLimit() const { return attachLimit_; }

  // The store of a file (one per path and connection), made on first request.
  std::shared_ptr<TableStore> store(const QString& path, const TableDef& physical);

  // Makes sure the store's file is attached (and, the first time in this process,
  // that it passes a quick check); moves it to the front of the LRU list.
  int attach(TableStore& store);
  // Detaches the store when it is idle; false when it is not.
  bool detach(TableStore& store);
  // Was the store's file attached read-only (the system lets no one write it)?
  bool isReadOnly(const TableStore& store) const;
  // Is a transaction (read or write) open on the store's file?
  bool inFileTransaction(const TableStore& store) const;

  // The file was replaced (rebuilt): check it again when next attached.
  void recheck(const QString& path) { checked_.remove(path); }

  // Runs one statement without result rows (identifiers only, no values).
  int exec(const QString& sql, SqlAction action);

  int mark(TableStore& store);
  bool isMarked(const TableStore& store) const;
  int begin(int waitSeconds);
  int commit();
  int rollback();
  bool inTransaction() const { return inTransaction_; }
  // The disk's error after the last commit, when it came after the commit
  // point: the transaction committed all the same (code 0: none).
  const RuntimeError& commitWarning() const { return commitWarning_; }
  // The file that kept the last begin() from starting (empty: none).
  const QString& failedPath() const { return failedPath_; }

 private:
  // How long a statement waits for another station's lock. Short sleeps of
  // varying length, not SQLite's growing ones: with those, a station that keeps
  // writing can starve another one past its timeout.
  void setBusyTimeout(int ms);
  static int onBusy(void* self, int count);

  bool isIdle(const TableStore& store) const;
  int takeWriteLock(TableStore& store);
  void endTransaction(bool committed);
  // The change counter in the header of a store's file, read through SQLite's
  // own handle of it (another handle's close would drop SQLite's locks).
  std::optional<quint32> changeCounter(const TableStore& store) const;
  // After a COMMIT that failed and ended the transaction: did it commit?
  bool committedAfterFailure();

  FileLayerOptions options_;
  sqlite3* db_ = nullptr;
  int attachLimit_ = 10;
  std::list<std::shared_ptr<TableStore>> attached_;  // most recently used first
  std::vector<std::shared_ptr<TableStore>> marked_;
  // Each marked file's change counter when its write lock was taken: no other
  // station can commit to it from then on, so a different counter once the
  // transaction has ended means that this one committed.
  std::vector<std::pair<std::shared_ptr<TableStore>, quint32>> counters_;
  RuntimeError commitWarning_;
  QString failedPath_;
  bool inTransaction_ = false;
  QHash<QString, std::weak_ptr<TableStore>> stores_;
  QSet<QString> checked_;  // files that passed the quick check in this process
  int nextSchema_ = 1;
  int busyTimeoutMs_ = 0;
  qint64 busySince_ = 0;
  quint32 jitter_ = 0x9e3779b9u;
};

}  // namespace bv::sqlfile
