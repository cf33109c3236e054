#pragma once
// A handle on one table file of a SQLite layer (see file_layer.h for what each
// operation answers). Reads are one indexed query each: the next record in a
// key's order is the first whose (key columns, position) row value lies beyond
// the sequence point, LIMIT 1; the statement is reset as soon as its row is taken.
#include <QHash>
#include <memory>
#include <vector>

#include "storage/filelayer/file_layer.h"
#include "storage/filelayer/handle_common.h"
#include "storage/filelayer/seek_query.h"
#include "storage/filelayer/sql_value.h"
#include "storage/filelayer/table_schema.h"

namespace bv::sqlfile {

class SqliteConnection;
class TableStore;

class SqliteKeyedFile final : public CursorFile {
 public:
  SqliteKeyedFile(std::shared_ptr<SqliteConnection> connection, const TableDef& table);
  ~SqliteKeyedFile() override;

  QString path() const override;

  int open(int shareCode, bool createMissing, bool lock) override;
  int close() override;
  int create() override;
  int rebuildKeys() override;
  RebuildReport lastRebuild() const override { return rebuilt_; }

  int get(const KeyDef& key, Record& record) override;
  int readPage(bool forward, int count, std::vector<Record>& records, std::vector<RecordPosition>& positions) override;
  int reget(RecordPosition position, Record& record) override;
  int resetTo(const KeyDef* key, RecordPosition position) override;
  FileState state() const override;
  int restoreState(const FileState& state) override;

  int add(const Record& record, bool placeholder) override;
  int put(const Record& record) override;
  int remove() override;
  int replaceAll(const std::vector<int>& fields, const Record& match, const Record& replacement,
                 qint64& changed) override;
  bool isDuplicate(const KeyDef& key, const Record& record) override;

  int markForTransaction() override;
  qint64 recordCount() override;
  qint64 fileSize() override;

  using Cursor = FileCursor;

 private:
  const TableSchema* openSchema() const override;
  // 0 when `file` is a regular file or nothing; else 90 (and it is left alone).
  int checkDataFile(const QString& file) const;
  QString directory() const;
  int readOne(const QString& sql, const std::vector<SqlValue>& binds, StoredRow& row, bool& found);
  int readBeyond(bool forward, StoredRow& row, bool& found) override;
  void releaseLock();

  std::shared_ptr<SqliteConnection> connection_;
  std::shared_ptr<TableStore> store_;
  // The statement text of a fetch by key, built once per key and visibility.
  QHash<int, QString> getStatements_;
  const TableStore* getStatementsStore_ = nullptr;  // the store they were built for
  RebuildReport rebuilt_;
};

}  // namespace bv::sqlfile
