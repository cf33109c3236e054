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

class PgKeyedFile final : public CursorFile {
 public:
  PgKeyedFile(std::shared_ptr<PgConnection> connection, const TableDef& table);
  ~PgKeyedFile() override;

  QString path() const override;

  int open(int shareCode, bool createMissing, bool lock) override;
  int close() override;
  int create() override;
  int rebuildKeys() override;

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

 private:
  const TableSchema* openSchema() const override;
  QString selectByPosition() const;
  StoredRow rowOf(const PgRows& rows, int row) const;
  // Runs a read of at most one row.
  int readOne(const QString& sql, const std::vector<SqlValue>& binds, StoredRow& row, bool& found);
  int readBeyond(bool forward, StoredRow& row, bool& found) override;
  void releaseLock();

  std::shared_ptr<PgConnection> connection_;
  std::shared_ptr<PgTable> store_;
};

}  // namespace bv::sqlfile
