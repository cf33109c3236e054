#pragma once
// A handle on one table of a server layer (see file_layer.h for what each
// operation answers, and pg_connection.h for the connection). It keeps the same
// cursor as a table file's handle; reads are one indexed query each.
#include <QHash>
#include <memory>
#include <vector>

#include "storage/filelayer/file_layer.h"
#include "storage/filelayer/handle_common.h"

namespace bv::sqlfile {

class PgConnection;
class PgRows;
class PgTable;

class PgKeyedFile final : public KeyedFile {
 public:
  PgKeyedFile(std::shared_ptr<PgConnection> connection, const TableDef& table);
  ~PgKeyedFile() override;

  const TableDef& table() const override { return *table_; }
  QString path() const override;
  bool isOpen() const override { return open_; }
  int shareCode() const override { return open_ ? share_ : 0; }
  bool isReadOnly() const override { return readOnly_; }

  int open(int shareCode, bool createMissing, bool lock) override;
  int close() override;
  int create() override;
  int rebuildKeys() override;
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

 private:
  using Point = SequencePoint;
  int requireOpen() const;
  int requireWritable() const;
  const TableSchema& schema() const;
  const KeyLayout* layoutOf(int keyNumber) const;
  bool placeholdersVisible(const KeyLayout* key) const;
  QString selectByPosition() const;
  StoredRow rowOf(const PgRows& rows, int row) const;
  // Runs a read of at most one row.
  int readOne(const QString& sql, const std::vector<SqlValue>& binds, StoredRow& row, bool& found);
  int read(bool forward, Record& record);
  void take(const StoredRow& row, Record& record);
  Point afterRow(const StoredRow& row, Point::Kind kind) const;
  void releaseLock();

  std::shared_ptr<PgConnection> connection_;
  const TableDef* table_;
  std::shared_ptr<PgTable> store_;
  bool open_ = false;
  int share_ = 0;
  bool readOnly_ = false;
  bool locked_ = false;
  bool exclusive_ = false;
  FileCursor cursor_;
  QHash<QString, QString> options_;
};

}  // namespace bv::sqlfile
