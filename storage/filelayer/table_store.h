#pragma once
// One table file as a connection uses it: its layout, the schema name it is
// attached under, its prepared statements, and the share lock of the handles
// that have it open. Every handle on the same file in one layer shares it.
#include <QHash>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>
#include <sqlite3.h>
#include <vector>

#include "storage/filelayer/share_lock.h"
#include "storage/filelayer/sql_value.h"
#include "storage/filelayer/sqlite_codes.h"
#include "storage/filelayer/table_schema.h"

namespace bv::sqlfile {

class SqliteConnection;

class TableStore : public std::enable_shared_from_this<TableStore> {
 public:
  TableStore(SqliteConnection& connection, QString path, const TableDef& physical, QString schemaName);
  ~TableStore();
  TableStore(const TableStore&) = delete;
  TableStore& operator=(const TableStore&) = delete;

  SqliteConnection& connection() const { return *connection_; }
  const QString& path() const { return path_; }
  const QString& schemaName() const { return schemaName_; }
  const TableSchema& schema() const { return schema_; }
  QString table() const { return schema_.qualifiedTable(schemaName_); }
  ShareLock& shareLock() { return lock_; }

  bool isAttached() const { return attached_; }
  void setAttached(bool attached);
  void dropStatements();

  // Creates the table and its missing columns and indexes, and stores the schema
  // version. A read-only open that cannot write goes on when the table and its
  // columns are there (only an index is missing).
  int ensureSchema(bool mayWrite);
  void forgetSchema() {
    schemaReady_ = false;
    madeInTransaction_ = false;
    missingIndexes_.clear();
  }
  // The transaction the schema was made in ended: kept (commit) or undone
  // (rollback), in which case it is made again at once, for the handles open
  // on the file.
  void transactionEnded(bool committed);
  // Does the file hold the key's index? (Not always so on a read-only open.)
  bool hasIndex(const KeyLayout& key) const { return !missingIndexes_.contains(key.indexName); }

  // Runs `sql` with `binds` (attaching first) and hands each row, at most
  // `maxRows`, to `onRow`; the statement is reset before it returns. Answers a
  // file code, runtime error set on failure.
  using RowHandler = std::function<void(sqlite3_stmt*)>;
  int run(const QString& sql, const std::vector<SqlValue>& binds, SqlAction action,
          const RowHandler& onRow = {}, int maxRows = 1);
  // Rows changed by the last write.
  int changes() const;
  qint64 lastInsertPosition() const;

 private:
  sqlite3_stmt* prepare(const QString& sql, SqlAction action, int& code);

  SqliteConnection* connection_;
  QString path_;
  QString schemaName_;
  TableSchema schema_;
  ShareLock lock_;
  bool attached_ = false;
  bool schemaReady_ = false;
  bool madeInTransaction_ = false;
  QHash<QString, sqlite3_stmt*> statements_;
  QSet<QString> missingIndexes_;
};

}  // namespace bv::sqlfile
