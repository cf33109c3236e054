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

class SqliteKeyedFile final : public KeyedFile {
 public:
  SqliteKeyedFile(std::shared_ptr<SqliteConnection> connection, const TableDef& table);
  ~SqliteKeyedFile() override;

  const TableDef& table() const override { return *table_; }
  QString path() const override;
  bool isOpen() const override { return open_; }
  int shareCode() const override { return open_ ? share_ : 0; }
  bool isReadOnly() const override { return readOnly_; }

  int open(int shareCode, bool createMissing, bool lock) override;
  int close() override;
  int create() override;
  int rebuildKeys() override;
  RebuildReport lastRebuild() const override { return rebuilt_; }
  QString sendOption(const QString& option) override;

  int get(const KeyDef& key, Record& record) override;
  int setPosition(const KeyDef& key, const Record& values) override;
  int setPosition(const KeyDef* key, FileEdge edge) override;
  int next(Record& record) override { return read(true, record); }
  int previous(Record& record) override { return read(false, record); }
  int readPage(bool forward, int count, std::vector<Record>& records, std::vector<RecordPosition>& positions) override;
  RecordPosition position() const override { return cursor_.current; }
  int reget(RecordPosition position, Record& record) override;
  int resetTo(const KeyDef* key, RecordPosition position) override;
  void watch() override { cursor_.watchArmed = true; }
  bool isPlaceholder() const override { return cursor_.currentPlaceholder; }
  void setPlaceholderSearch(bool on) override { cursor_.placeholderSearch = on; }
  void setMemoSuppressed(bool on) override { cursor_.memoSuppressed = on; }
  bool memoSuppressed() const override { return cursor_.memoSuppressed; }
  FileState state() const override;
  int restoreState(const FileState& state) override;

  int add(const Record& record, bool placeholder) override;
  int put(const Record& record) override;
  int remove() override;
  int replaceAll(const std::vector<int>& fields, const Record& match, const Record& replacement,
                 qint64& changed) override;
  const KeyDef* duplicateKey(const Record& record) override;
  bool isDuplicate(const KeyDef& key, const Record& record) override;

  int markForTransaction() override;
  qint64 recordCount() override;
  qint64 fileSize() override;

  using Point = SequencePoint;
  using Cursor = FileCursor;

 private:
  int requireOpen() const;
  // 0 when `file` is a regular file or nothing; else 90 (and it is left alone).
  int checkDataFile(const QString& file) const;
  int requireWritable() const;
  const TableSchema& schema() const;
  const KeyLayout* layoutOf(int keyNumber) const;
  bool placeholdersVisible(const KeyLayout* key) const;
  QString directory() const;
  int readOne(const QString& sql, const std::vector<SqlValue>& binds, StoredRow& row, bool& found);
  int read(bool forward, Record& record);
  // Makes a read row current: fills the record, takes the watch image, moves the point.
  void take(const StoredRow& row, Record& record);
  Point afterRow(const StoredRow& row, Point::Kind kind) const;
  void releaseLock();

  std::shared_ptr<SqliteConnection> connection_;
  const TableDef* table_;
  std::shared_ptr<TableStore> store_;
  bool open_ = false;
  int share_ = 0;
  bool readOnly_ = false;
  bool locked_ = false;
  bool exclusive_ = false;
  Cursor cursor_;
  QHash<QString, QString> options_;
  // The statement text of a fetch by key, built once per key and visibility.
  QHash<int, QString> getStatements_;
  const TableStore* getStatementsStore_ = nullptr;  // the store they were built for
  RebuildReport rebuilt_;
};

}  // namespace bv::sqlfile
