// Reading a table on the server: one row at a time along a key from the
// cursor, a page of rows, by key value, by position, and positioning.
#include "storage/filelayer/handle_common.h"
#include "storage/filelayer/pg_connection.h"
#include "storage/filelayer/pg_keyed_file.h"
#include "storage/filelayer/pg_seek_query.h"
#include "storage/filelayer/pg_table.h"

namespace bv::sqlfile {

using namespace Qt::StringLiterals;
namespace {
const QString kPos = quoted(kPositionColumn);
}  // namespace

QString PgKeyedFile::selectByPosition() const {
  return u"SELECT "_s + schema().selectList() + u" FROM "_s + store_->name() +
         u" WHERE "_s + kPos + u" = $1"_s;
}

StoredRow PgKeyedFile::rowOf(const PgRows& rows, int row) const {
  StoredRow out;
  out.position = rows.integer(row, 0);
  out.placeholder = rows.integer(row, 1) != 0;
  const int count = schema().valueColumnCount();
  out.values.reserve(count);
  for (int i = 0; i < count; ++i) out.values.push_back(rows.value(row, TableSchema::resultColumn(i)));
  return out;
}

int PgKeyedFile::readOne(const QString& sql, const std::vector<SqlValue>& binds, StoredRow& row, bool& found) {
  PgRows rows;
  found = false;
  if (const int code = connection_->run(sql, binds, SqlAction::Read, &rows); code != kFileOk) return code;
  found = rows.count() > 0;
  if (found) row = rowOf(rows, 0);
  return kFileOk;
}

int PgKeyedFile::readBeyond(bool forward, StoredRow& row, bool& found) {
  const KeyLayout* key = layoutOf(cursor_.key);
  const SeekQuery q = pgSeekQuery(schema(), store_->name(), key, forward, cursor_.point, placeholdersVisible(key));
  return readOne(q.sql, q.binds, row, found);
}

// One query for the page: the rows beyond the sequence point, LIMIT count. Only
// the last row becomes current (and moves the sequence point), and a watch
// armed before a page of several rows ends cleared, as after as many next().
int PgKeyedFile::readPage(bool forward, int count, std::vector<Record>& records,
                          std::vector<RecordPosition>& positions) {
  if (const int code = requireOpen(); code != kFileOk) return code;
  if (pastEnd(forward)) return report(kRecordNotAvailable);
  const KeyLayout* key = layoutOf(cursor_.key);
  const SeekQuery q = pgSeekQuery(schema(), store_->name(), key, forward, cursor_.point, placeholdersVisible(key),
                                  std::max(1, count));
  PgRows rows;
  if (const int code = connection_->run(q.sql, q.binds, SqlAction::Read, &rows); code != kFileOk) return code;
  if (rows.count() == 0) return reachEnd(forward);
  const bool withMemo = !cursor_.memoSuppressed;
  StoredRow last;
  for (int i = 0; i < rows.count(); ++i) {
    last = rowOf(rows, i);
    schema().fill(records.emplace_back(*table_), last.values, withMemo);
    positions.push_back(last.position);
  }
  if (rows.count() > 1) cursor_.watchArmed = false;
  take(last, records.back());
  return report(kFileOk);
}

int PgKeyedFile::get(const KeyDef& key, Record& record) {
  if (const int code = requireOpen(); code != kFileOk) return code;
  const KeyLayout* layout = layoutOf(key.number);
  if (!layout) return report(kTransactionNotSupported);
  if (key.excludesBlank && record.isBlank(key)) return report(kRecordNotFound);
  QStringList where;
  if (!placeholdersVisible(layout)) where << TableSchema::visibleCondition();
  if (!layout->partial.isEmpty()) where << u'(' + layout->partial + u')';
  for (qsizetype i = 0; i < layout->compareColumns.size(); ++i)
    where << layout->compareColumns[i] + u" = $%1"_s.arg(i + 1);
  // Along the key's index: equal keys lie in position order there.
  QStringList order = layout->compareColumns;
  order << kPos;
  const QString sql = u"SELECT "_s + schema().selectList() + u" FROM "_s +
                      store_->name() + u" WHERE "_s + where.join(u" AND "_s) +
                      u" ORDER BY "_s + order.join(u", "_s) + u" LIMIT 1"_s;
  StoredRow row;
  bool found = false;
  if (const int code = readOne(sql, schema().keyValues(*layout, record), row, found); code != kFileOk) return code;
  if (!found) return report(kRecordNotFound);
  cursor_.key = key.number;
  take(row, record);
  return report(kFileOk);
}

int PgKeyedFile::reget(RecordPosition position, Record& record) {
  if (const int code = requireOpen(); code != kFileOk) return code;
  StoredRow row;
  bool found = false;
  if (const int code = readOne(selectByPosition(), {position}, row, found); code != kFileOk) return code;
  if (!found) return report(kRecordNotFound);
  take(row, record);
  return report(kFileOk);
}

int PgKeyedFile::resetTo(const KeyDef* key, RecordPosition position) {
  if (const int code = requireOpen(); code != kFileOk) return code;
  if (key && !layoutOf(key->number)) return report(kTransactionNotSupported);
  StoredRow row;
  bool found = false;
  if (const int code = readOne(selectByPosition(), {position}, row, found); code != kFileOk) return code;
  if (!found) return report(kRecordNotFound);
  cursor_.key = key ? key->number : 0;
  cursor_.point = afterRow(row, Point::Kind::Before);
  return report(kFileOk);
}

}  // namespace bv::sqlfile
