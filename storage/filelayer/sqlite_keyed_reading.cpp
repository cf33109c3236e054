// Reading a table file: one row at a time along a key from the cursor, by
// key value, by position, and positioning without reading.
#include "storage/filelayer/sqlite_keyed_file.h"

#include "storage/filelayer/handle_common.h"
#include "storage/filelayer/sqlite_codes.h"
#include "storage/filelayer/sqlite_connection.h"
#include "storage/filelayer/table_store.h"

namespace bv::sqlfile {
namespace {
const QString kPos = quoted(kPositionColumn);
}  // namespace

int SqliteKeyedFile::readOne(const QString& sql, const std::vector<SqlValue>& binds, StoredRow& row, bool& found) {
  found = false;
  const int count = schema().valueColumnCount();
  return store_->run(sql, binds, SqlAction::Read, [&](sqlite3_stmt* s) {
    found = true;
    row.position = sqlite3_column_int64(s, 0);
    row.placeholder = sqlite3_column_int64(s, 1) != 0;
    row.values.clear();
    row.values.reserve(count);
    for (int i = 0; i < count; ++i) row.values.push_back(column(s, TableSchema::resultColumn(i)));
  });
}

int SqliteKeyedFile::readBeyond(bool forward, StoredRow& row, bool& found) {
  const KeyLayout* key = layoutOf(cursor_.key);
  const SeekQuery q = seekQuery(schema(), store_->table(), key, forward, cursor_.point, placeholdersVisible(key),
                               !key || store_->hasIndex(*key));
  return readOne(q.sql, q.binds, row, found);
}

// One query for the page: the rows beyond the sequence point, LIMIT count.
// Each row fills its record as it comes; only the last becomes current (and
// moves the sequence point), and a watch armed before a page of several rows
// ends cleared, as after as many next().
int SqliteKeyedFile::readPage(bool forward, int count, std::vector<Record>& records,
                              std::vector<RecordPosition>& positions) {
  if (const int code = requireOpen(); code != kFileOk) return code;
  if (pastEnd(forward)) return report(kRecordNotAvailable);
  const KeyLayout* key = layoutOf(cursor_.key);
  const SeekQuery q = seekQuery(schema(), store_->table(), key, forward, cursor_.point, placeholdersVisible(key),
                               !key || store_->hasIndex(*key), std::max(1, count));
  const int columns = schema().valueColumnCount();
  const bool withMemo = !cursor_.memoSuppressed;
  StoredRow last;
  std::size_t read = 0;
  const int code = store_->run(q.sql, q.binds, SqlAction::Read, [&](sqlite3_stmt* s) {
    last.position = sqlite3_column_int64(s, 0);
    last.placeholder = sqlite3_column_int64(s, 1) != 0;
    last.values.clear();
    for (int i = 0; i < columns; ++i) last.values.push_back(column(s, TableSchema::resultColumn(i)));
    schema().fill(records.emplace_back(*table_), last.values, withMemo);
    positions.push_back(last.position);
    ++read;
  }, std::max(1, count));
  if (code != kFileOk) {
    records.resize(records.size() - read);
    positions.resize(positions.size() - read);
    return code;
  }
  if (read == 0) return reachEnd(forward);
  if (read > 1) cursor_.watchArmed = false;
  take(last, records.back());
  return report(kFileOk);
}

int SqliteKeyedFile::get(const KeyDef& key, Record& record) {
  if (const int code = requireOpen(); code != kFileOk) return code;
  const KeyLayout* layout = layoutOf(key.number);
  if (!layout) return report(kTransactionNotSupported);
  if (key.excludesBlank && record.isBlank(key)) return report(kRecordNotFound);
  const bool visible = placeholdersVisible(layout);
  const bool indexed = store_->hasIndex(*layout);
  if (getStatementsStore_ != store_.get()) {
    getStatements_.clear();
    getStatementsStore_ = store_.get();
  }
  QString& sql = getStatements_[key.number * 4 + (visible ? 2 : 0) + (indexed ? 1 : 0)];
  if (sql.isEmpty()) {
    QStringList where;
    if (!visible) where << TableSchema::visibleCondition();
    if (!layout->partial.isEmpty()) where << u'(' + layout->partial + u')';
    for (const QString& c : layout->compareColumns) where << c + QStringLiteral(" = ?");
    sql = QStringLiteral("SELECT ") + schema().selectList() + QStringLiteral(" FROM ") +
          fromIndexed(store_->table(), layout, indexed) + QStringLiteral(" WHERE ") +
          where.join(QStringLiteral(" AND ")) + QStringLiteral(" ORDER BY ") +
          (layout->unique ? layout->compareColumns.join(QStringLiteral(", ")) : kPos) + QStringLiteral(" LIMIT 1");
  }
  StoredRow row;
  bool found = false;
  if (const int code = readOne(sql, schema().keyValues(*layout, record), row, found); code != kFileOk) return code;
  if (!found) return report(kRecordNotFound);
  cursor_.key = key.number;
  take(row, record);
  return report(kFileOk);
}

int SqliteKeyedFile::reget(RecordPosition position, Record& record) {
  if (const int code = requireOpen(); code != kFileOk) return code;
  const QString sql = QStringLiteral("SELECT ") + schema().selectList() + QStringLiteral(" FROM ") + store_->table() +
                      QStringLiteral(" WHERE ") + kPos + QStringLiteral(" = ?");
  StoredRow row;
  bool found = false;
  if (const int code = readOne(sql, {position}, row, found); code != kFileOk) return code;
  if (!found) return report(kRecordNotFound);
  take(row, record);
  return report(kFileOk);
}

int SqliteKeyedFile::resetTo(const KeyDef* key, RecordPosition position) {
  if (const int code = requireOpen(); code != kFileOk) return code;
  if (key && !layoutOf(key->number)) return report(kTransactionNotSupported);
  const QString sql = QStringLiteral("SELECT ") + schema().selectList() + QStringLiteral(" FROM ") + store_->table() +
                      QStringLiteral(" WHERE ") + kPos + QStringLiteral(" = ?");
  StoredRow row;
  bool found = false;
  if (const int code = readOne(sql, {position}, row, found); code != kFileOk) return code;
  if (!found) return report(kRecordNotFound);
  cursor_.key = key ? key->number : 0;
  cursor_.point = afterRow(row, Point::Kind::Before);
  return report(kFileOk);
}

}  // namespace bv::sqlfile
