#include "storage/filelayer/pg_keyed_file.h"

#include <QDir>
#include <algorithm>

#include "runtime/runtime_error.h"
#include "storage/filelayer/handle_common.h"
#include "storage/filelayer/pg_connection.h"
#include "storage/filelayer/pg_table.h"

namespace bv::sqlfile {

using namespace Qt::StringLiterals;
namespace {

const QString kPos = quoted(kPositionColumn);

}  // namespace

PgKeyedFile::PgKeyedFile(std::shared_ptr<PgConnection> connection, const TableDef& table)
    : CursorFile(table), connection_(std::move(connection)) {}

PgKeyedFile::~PgKeyedFile() {
  if (open_) releaseLock();
}

QString PgKeyedFile::path() const {
  return QDir(connection_->options().dataDirectory).filePath(table_->physical().fileName);
}

const TableSchema* PgKeyedFile::openSchema() const { return store_ ? &store_->schema() : nullptr; }

void PgKeyedFile::releaseLock() {
  if (locked_ && store_) connection_->releaseShare(store_->lockKey(), exclusive_);
  locked_ = false;
}

// ---- open, close, create, rebuild ---------------------------------------------

int PgKeyedFile::open(int shareCode, bool createMissing, bool lock) {
  if (open_) return report(kFileAlreadyOpen);
  auto store = connection_->table(table_->physical(), path());
  const bool readOnly = (shareCode & 0x0f) == 0;
  const bool exclusive = (shareCode & 0xf0) < 0x40;
  const bool locking = lock && !readOnly;
  int code = store->ensureSchema(createMissing, !readOnly || createMissing);
  if (code != kFileOk) return code;
  if (locking && !connection_->acquireShare(store->lockKey(), exclusive)) {
    // A lost connection says so; a lock held elsewhere is 5.
    return currentRuntimeError().code == kFileSystemError ? kFileSystemError : report(kFileAccessDenied);
  }
  store_ = std::move(store);
  markOpen(shareCode, readOnly, locking, exclusive);
  return report(kFileOk);
}

int PgKeyedFile::close() {
  if (!open_) return report(kFileNotOpen);
  releaseLock();
  store_.reset();
  markClosed();
  return report(kFileOk);
}

int PgKeyedFile::create() {
  auto store = connection_->table(table_->physical(), path());
  const int code = store->ensureSchema(true, true);
  return code == kFileOk ? report(kFileOk) : code;
}

int PgKeyedFile::rebuildKeys() {
  auto store = connection_->table(table_->physical(), path());
  if (const int code = store->ensureSchema(false, false); code != kFileOk) return code;
  if (connection_->isMarked(*store) || connection_->inTransaction()) return report(kFileAccessDenied);
  if (!connection_->beginSolitary(store->lockKey())) return report(kFileAccessDenied);
  int code = connection_->run(u"REINDEX TABLE "_s + store->name(), {}, SqlAction::Write);
  connection_->endSolitary(store->lockKey());
  if (code == kFileOk) {
    store->forgetSchema();
    code = store->ensureSchema(false, true);
  }
  return code == kFileOk ? report(kFileOk) : code;
}

FileState PgKeyedFile::state() const { return saveCursor(connection_.get(), *table_, cursor_); }

int PgKeyedFile::restoreState(const FileState& state) {
  return restoreCursor(state, connection_.get(), *table_, cursor_);
}

// ---- writing --------------------------------------------------------------------

int PgKeyedFile::add(const Record& record, bool placeholder) {
  if (const int code = requireWritable(); code != kFileOk) return code;
  QStringList cols{quoted(kPlaceholderColumn)}, marks{u"$1"_s};
  for (const SchemaColumn& c : schema().columns()) {
    cols << quoted(c.name);
    marks << u"$%1"_s.arg(marks.size() + 1);
  }
  std::vector<SqlValue> binds{qint64(placeholder ? 1 : 0)};
  for (SqlValue& v : schema().storedValues(record)) binds.push_back(std::move(v));
  const QString sql = u"INSERT INTO "_s + store_->name() + u" ("_s +
                      cols.join(u", "_s) + u") VALUES ("_s +
                      marks.join(u", "_s) + u") RETURNING "_s + kPos;
  PgRows rows;
  if (const int code = connection_->run(sql, binds, SqlAction::Write, &rows); code != kFileOk) {
    // The record collided with is not current: a duplicate check that follows
    // must not leave it out.
    cursor_.current = 0;
    cursor_.currentPlaceholder = false;
    return code;
  }
  cursor_.current = rows.integer(0, 0);
  cursor_.currentPlaceholder = placeholder;
  cursor_.watched = 0;
  cursor_.image.clear();
  return report(kFileOk);
}

int PgKeyedFile::put(const Record& record) {
  if (const int code = requireWritable(); code != kFileOk) return code;
  if (cursor_.current == 0) return report(kRecordNotAvailable);
  const std::vector<SqlValue> values = schema().storedValues(record);
  QStringList sets{quoted(kPlaceholderColumn) + u" = 0"_s};
  std::vector<SqlValue> binds;
  const auto& columns = schema().columns();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    // With memo reading off the buffer's memo is not the stored one: keep it.
    if (cursor_.memoSuppressed && columns[i].field->type == FieldType::Memo) continue;
    binds.push_back(values[i]);
    sets << quoted(columns[i].name) + u" = $%1"_s.arg(binds.size());
  }
  binds.push_back(cursor_.current);
  QString sql = u"UPDATE "_s + store_->name() + u" SET "_s +
                sets.join(u", "_s) + u" WHERE "_s + kPos +
                u" = $%1"_s.arg(binds.size());
  // The watched image is compared with the stored row inside the write itself, so
  // no other station's change can slip in between.
  const bool watched = cursor_.watched == cursor_.current;
  if (watched) {
    for (std::size_t i = 0; i < cursor_.image.size(); ++i) {
      binds.push_back(cursor_.image[i]);
      sql += u" AND "_s + quoted(columns[i].name) + u" = $%1"_s.arg(binds.size());
    }
  }
  qint64 written = 0;
  if (const int code = connection_->run(sql, binds, SqlAction::Write, nullptr, &written); code != kFileOk)
    return code;
  cursor_.watched = 0;
  cursor_.image.clear();
  if (written == 0) return report(watched ? kRecordChanged : kRecordNotAvailable);
  cursor_.currentPlaceholder = false;
  return report(kFileOk);
}

int PgKeyedFile::remove() {
  if (const int code = requireWritable(); code != kFileOk) return code;
  if (cursor_.current == 0) return report(kRecordNotAvailable);
  const QString sql = u"DELETE FROM "_s + store_->name() + u" WHERE "_s + kPos +
                      u" = $1"_s;
  qint64 deleted = 0;
  if (const int code = connection_->run(sql, {cursor_.current}, SqlAction::Write, nullptr, &deleted); code != kFileOk)
    return code;
  cursor_.current = 0;
  cursor_.currentPlaceholder = false;
  cursor_.watched = 0;
  cursor_.image.clear();
  return report(deleted > 0 ? kFileOk : kRecordNotAvailable);
}

// One UPDATE: each field's value column, and the upper-cased shadow of a text
// in a key that ignores case, set and matched.
int PgKeyedFile::replaceAll(const std::vector<int>& fields, const Record& match, const Record& replacement,
                            qint64& changed) {
  changed = 0;
  if (const int code = requireWritable(); code != kFileOk) return code;
  const auto& columns = schema().columns();
  const std::vector<SqlValue> before = schema().storedValues(match);
  const std::vector<SqlValue> after = schema().storedValues(replacement);
  QStringList sets, where{TableSchema::visibleCondition()};
  std::vector<SqlValue> binds;
  std::vector<std::size_t> matched;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const SchemaColumn& c = columns[i];
    const int number = c.shadow ? columns[c.source].field->number : c.field->number;
    const int index = c.shadow ? columns[c.source].index : c.index;
    if (index != 1 || std::find(fields.begin(), fields.end(), number) == fields.end()) continue;
    binds.push_back(after[i]);
    sets << quoted(c.name) + u" = $%1"_s.arg(binds.size());
    matched.push_back(i);
  }
  if (sets.isEmpty()) return report(kFileOk);
  for (std::size_t i : matched) {
    binds.push_back(before[i]);
    where << quoted(columns[i].name) + u" = $%1"_s.arg(binds.size());
  }
  const QString sql = u"UPDATE "_s + store_->name() + u" SET "_s +
                      sets.join(u", "_s) + u" WHERE "_s + where.join(u" AND "_s);
  if (const int code = connection_->run(sql, binds, SqlAction::Write, nullptr, &changed); code != kFileOk) {
    changed = 0;
    return code;
  }
  return report(kFileOk);
}

bool PgKeyedFile::isDuplicate(const KeyDef& key, const Record& record) {
  const KeyLayout* layout = collisionLayout(key, record);
  if (!layout) return false;
  // The same rows the unique index holds: placeholders count only on the
  // auto-numbered key.
  QStringList where;
  if (!layout->partial.isEmpty()) where << u'(' + layout->partial + u')';
  std::vector<SqlValue> binds = schema().keyValues(*layout, record);
  for (qsizetype i = 0; i < layout->compareColumns.size(); ++i)
    where << layout->compareColumns[i] + u" = $%1"_s.arg(i + 1);
  binds.push_back(cursor_.current);
  where << kPos + u" <> $%1"_s.arg(binds.size());
  const QString sql = u"SELECT 1 FROM "_s + store_->name() + u" WHERE "_s +
                      where.join(u" AND "_s) + u" LIMIT 1"_s;
  PgRows rows;
  if (connection_->run(sql, binds, SqlAction::Read, &rows) != kFileOk) return false;
  report(kFileOk);
  return rows.count() > 0;
}

// ---- transactions, size -----------------------------------------------------------

int PgKeyedFile::markForTransaction() {
  if (const int code = requireWritable(); code != kFileOk) return code;
  return connection_->mark(store_);
}

qint64 PgKeyedFile::recordCount() {
  if (requireOpen() != kFileOk) return -1;
  PgRows rows;
  const QString sql = u"SELECT count(*) FROM "_s + store_->name() + u" WHERE "_s +
                      TableSchema::visibleCondition();
  if (connection_->run(sql, {}, SqlAction::Read, &rows) != kFileOk) return -1;
  report(kFileOk);
  return rows.integer(0, 0);
}

qint64 PgKeyedFile::fileSize() {
  auto store = store_ ? store_ : connection_->table(table_->physical(), path());
  PgRows rows;
  if (connection_->run(u"SELECT pg_total_relation_size(to_regclass($1))"_s, {store->name()},
                       SqlAction::Read, &rows) != kFileOk)
    return -1;
  if (rows.count() == 0 || rows.text(0, 0).isEmpty()) {
    report(kFileNotFound);
    return -1;
  }
  report(kFileOk);
  return rows.integer(0, 0);
}

}  // namespace bv::sqlfile
