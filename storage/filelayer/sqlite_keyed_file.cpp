#include "storage/filelayer/sqlite_keyed_file.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "runtime/runtime_error.h"
#include "storage/filelayer/file_name_resolver.h"
#include "storage/filelayer/handle_common.h"
#include "storage/filelayer/sqlite_codes.h"
#include "storage/filelayer/sqlite_connection.h"
#include "storage/filelayer/table_repair.h"
#include "storage/filelayer/table_store.h"

namespace bv::sqlfile {
namespace {

QString parameters(qsizetype n) {
  QStringList marks;
  for (qsizetype i = 0; i < n; ++i) marks << QStringLiteral("?");
  return marks.join(QStringLiteral(", "));
}

const QString kPos = quoted(kPositionColumn);

}  // namespace

SqliteKeyedFile::SqliteKeyedFile(std::shared_ptr<SqliteConnection> connection, const TableDef& table)
    : CursorFile(table), connection_(std::move(connection)) {}

SqliteKeyedFile::~SqliteKeyedFile() {
  if (open_) releaseLock();
}

QString SqliteKeyedFile::directory() const {
  const FileLayerOptions& o = connection_->options();
  return table_->physical().perStation ? o.stationDirectory : o.dataDirectory;
}

QString SqliteKeyedFile::path() const {
  if (store_) return store_->path();
  return resolveFileName(directory(), table_->physical().fileName);
}

const TableSchema* SqliteKeyedFile::openSchema() const { return store_ ? &store_->schema() : nullptr; }

void SqliteKeyedFile::releaseLock() {
  if (locked_ && store_) store_->shareLock().release(exclusive_);
  locked_ = false;
}

// ---- open, close, create, rebuild ---------------------------------------------

int SqliteKeyedFile::open(int shareCode, bool createMissing, bool lock) {
  if (open_) return report(kFileAlreadyOpen);
  QString file = path();
  if (const int code = checkDataFile(file); code != kFileOk) return code;
  if (!QFileInfo(file).isFile()) {
    if (!createMissing) return report(kFileNotFound);
    if (const int code = create(); code != kFileOk) return code;
    file = path();
  }
  auto store = connection_->store(file, table_->physical());
  const bool readOnly = (shareCode & 0x0f) == 0;
  const bool exclusive = (shareCode & 0xf0) < 0x40;
  const bool locking = lock && !readOnly;
  if (locking && !store->shareLock().acquire(exclusive)) return report(kFileAccessDenied);
  int code = connection_->attach(*store);
  // A file the system lets no one write (read-only, immutable) is attached
  // read-only: a read and write open is denied, so the managers open it
  // read-only and say so, rather than failing at the first write.
  if (code == kFileOk && !readOnly && connection_->isReadOnly(*store)) code = report(kFileAccessDenied);
  if (code == kFileOk) code = store->ensureSchema(!readOnly);
  if (code != kFileOk) {
    if (locking) store->shareLock().release(exclusive);
    return code;
  }
  store_ = std::move(store);
  markOpen(shareCode, readOnly, locking, exclusive);
  return report(kFileOk);
}

int SqliteKeyedFile::close() {
  if (!open_) return report(kFileNotOpen);
  releaseLock();
  store_.reset();
  markClosed();
  return report(kFileOk);
}

int SqliteKeyedFile::checkDataFile(const QString& file) const {
  const QFileInfo info(file);
  if (info.isSymLink() ? info.exists() && info.isFile() : !info.exists() || info.isFile()) return kFileOk;
  // A device, a folder, a link to nowhere: never a table, never replaced.
  return reportFileSystem(QStringLiteral("%1 no es un archivo de datos").arg(file), QString());
}

int SqliteKeyedFile::create() {
  const QString file = path();
  if (const int code = checkDataFile(file); code != kFileOk) return code;
  if (QFileInfo(file).isFile()) return report(kFileOk);
  QDir().mkpath(directory());
  auto store = connection_->store(file, table_->physical());
  int code = connection_->attach(*store);
  if (code == kFileOk) code = store->ensureSchema(true);
  if (code == kFileOk) return report(kFileOk);
  // Leave no empty file behind that a later open would take for the table.
  const RuntimeError error = currentRuntimeError();
  connection_->detach(*store);
  if (QFileInfo(file).size() == 0) QFile::remove(file);
  setRuntimeError(error);
  return code;
}

int SqliteKeyedFile::rebuildKeys() {
  const QString file = path();
  if (!QFileInfo(file).isFile()) return report(kFileNotFound);
  auto store = connection_->store(file, table_->physical());
  if (connection_->inFileTransaction(*store) || connection_->isMarked(*store)) return report(kFileAccessDenied);
  if (!store->shareLock().beginSolitary()) return report(kFileAccessDenied);
  int code = connection_->detach(*store) ? kFileOk : report(kFileAccessDenied);
  rebuilt_ = {};
  if (code == kFileOk) code = rebuildTableFile(file, store->schema(), connection_->options().busyTimeoutMs, rebuilt_);
  store->forgetSchema();
  connection_->recheck(file);
  store->shareLock().endSolitary();
  return code == kFileOk ? report(kFileOk) : code;
}

FileState SqliteKeyedFile::state() const { return saveCursor(connection_.get(), *table_, cursor_); }

int SqliteKeyedFile::restoreState(const FileState& state) {
  return restoreCursor(state, connection_.get(), *table_, cursor_);
}

// ---- writing --------------------------------------------------------------------

int SqliteKeyedFile::add(const Record& record, bool placeholder) {
  if (const int code = requireWritable(); code != kFileOk) return code;
  QStringList cols{quoted(kPlaceholderColumn)};
  for (const SchemaColumn& c : schema().columns()) cols << quoted(c.name);
  std::vector<SqlValue> binds{qint64(placeholder ? 1 : 0)};
  for (SqlValue& v : schema().storedValues(record)) binds.push_back(std::move(v));
  const QString sql = QStringLiteral("INSERT INTO ") + store_->table() + QStringLiteral(" (") +
                      cols.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") + parameters(cols.size()) + u')';
  if (const int code = store_->run(sql, binds, SqlAction::Write); code != kFileOk) {
    // The record collided with is not current: a duplicate check that follows
    // must not leave it out.
    cursor_.current = 0;
    cursor_.currentPlaceholder = false;
    return code;
  }
  cursor_.current = store_->lastInsertPosition();
  cursor_.currentPlaceholder = placeholder;
  cursor_.watched = 0;
  cursor_.image.clear();
  return report(kFileOk);
}

int SqliteKeyedFile::put(const Record& record) {
  if (const int code = requireWritable(); code != kFileOk) return code;
  if (cursor_.current == 0) return report(kRecordNotAvailable);
  const std::vector<SqlValue> values = schema().storedValues(record);
  QStringList sets{quoted(kPlaceholderColumn) + QStringLiteral(" = 0")};
  std::vector<SqlValue> binds;
  const auto& columns = schema().columns();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    // With memo reading off the buffer's memo is not the stored one: keep it.
    if (cursor_.memoSuppressed && columns[i].field->type == FieldType::Memo) continue;
    sets << quoted(columns[i].name) + QStringLiteral(" = ?");
    binds.push_back(values[i]);
  }
  QString sql = QStringLiteral("UPDATE ") + store_->table() + QStringLiteral(" SET ") + sets.join(QStringLiteral(", ")) +
                QStringLiteral(" WHERE ") + kPos + QStringLiteral(" = ?");
  binds.push_back(cursor_.current);
  // The watched image is compared with the stored row inside the write itself, so
  // no other station's change can slip in between.
  const bool watched = cursor_.watched == cursor_.current;
  if (watched) {
    for (std::size_t i = 0; i < cursor_.image.size(); ++i) {
      sql += QStringLiteral(" AND ") + quoted(columns[i].name) + QStringLiteral(" IS ?");
      binds.push_back(cursor_.image[i]);
    }
  }
  if (const int code = store_->run(sql, binds, SqlAction::Write); code != kFileOk) return code;
  const bool written = store_->changes() > 0;
  cursor_.watched = 0;
  cursor_.image.clear();
  if (!written) return report(watched ? kRecordChanged : kRecordNotAvailable);
  cursor_.currentPlaceholder = false;
  return report(kFileOk);
}

int SqliteKeyedFile::remove() {
  if (const int code = requireWritable(); code != kFileOk) return code;
  if (cursor_.current == 0) return report(kRecordNotAvailable);
  const QString sql = QStringLiteral("DELETE FROM ") + store_->table() + QStringLiteral(" WHERE ") + kPos +
                      QStringLiteral(" = ?");
  if (const int code = store_->run(sql, {cursor_.current}, SqlAction::Write); code != kFileOk) return code;
  const bool deleted = store_->changes() > 0;
  cursor_.current = 0;
  cursor_.currentPlaceholder = false;
  cursor_.watched = 0;
  cursor_.image.clear();
  return report(deleted ? kFileOk : kRecordNotAvailable);
}

// One UPDATE: each field's value column, and the upper-cased shadow of a text
// in a key that ignores case, set and matched. The shadows are matched too, so
// that a key's index can find the records.
int SqliteKeyedFile::replaceAll(const std::vector<int>& fields, const Record& match, const Record& replacement,
                                qint64& changed) {
  changed = 0;
  if (const int code = requireWritable(); code != kFileOk) return code;
  const auto& columns = schema().columns();
  const std::vector<SqlValue> before = schema().storedValues(match);
  const std::vector<SqlValue> after = schema().storedValues(replacement);
  QStringList sets, where{TableSchema::visibleCondition()};
  std::vector<SqlValue> setBinds, whereBinds;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const SchemaColumn& c = columns[i];
    const int number = c.shadow ? columns[c.source].field->number : c.field->number;
    const int index = c.shadow ? columns[c.source].index : c.index;
    if (index != 1 || std::find(fields.begin(), fields.end(), number) == fields.end()) continue;
    sets << quoted(c.name) + QStringLiteral(" = ?");
    setBinds.push_back(after[i]);
    where << quoted(c.name) + QStringLiteral(" = ?");
    whereBinds.push_back(before[i]);
  }
  if (sets.isEmpty()) return report(kFileOk);
  const QString sql = QStringLiteral("UPDATE ") + store_->table() + QStringLiteral(" SET ") +
                      sets.join(QStringLiteral(", ")) + QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
  setBinds.insert(setBinds.end(), whereBinds.begin(), whereBinds.end());
  if (const int code = store_->run(sql, setBinds, SqlAction::Write); code != kFileOk) return code;
  changed = store_->changes();
  return report(kFileOk);
}

bool SqliteKeyedFile::isDuplicate(const KeyDef& key, const Record& record) {
  const KeyLayout* layout = collisionLayout(key, record);
  if (!layout) return false;
  // The same rows the unique index holds: placeholders count only on the
  // auto-numbered key.
  QStringList where;
  if (!layout->partial.isEmpty()) where << u'(' + layout->partial + u')';
  for (const QString& c : layout->compareColumns) where << c + QStringLiteral(" = ?");
  where << kPos + QStringLiteral(" <> ?");
  std::vector<SqlValue> binds = schema().keyValues(*layout, record);
  binds.push_back(cursor_.current);
  bool found = false;
  const QString sql = QStringLiteral("SELECT 1 FROM ") +
                      fromIndexed(store_->table(), layout, store_->hasIndex(*layout)) + QStringLiteral(" WHERE ") +
                      where.join(QStringLiteral(" AND ")) + QStringLiteral(" LIMIT 1");
  if (store_->run(sql, binds, SqlAction::Read, [&](sqlite3_stmt*) { found = true; }) != kFileOk) return false;
  report(kFileOk);
  return found;
}

// ---- transactions, size -----------------------------------------------------------

int SqliteKeyedFile::markForTransaction() {
  if (const int code = requireWritable(); code != kFileOk) return code;
  return connection_->mark(*store_);
}

qint64 SqliteKeyedFile::recordCount() {
  if (requireOpen() != kFileOk) return -1;
  qint64 count = -1;
  const QString sql = QStringLiteral("SELECT count(*) FROM ") + store_->table() + QStringLiteral(" WHERE ") +
                      TableSchema::visibleCondition();
  if (store_->run(sql, {}, SqlAction::Read, [&](sqlite3_stmt* s) { count = sqlite3_column_int64(s, 0); }) != kFileOk)
    return -1;
  report(kFileOk);
  return count;
}

qint64 SqliteKeyedFile::fileSize() {
  const QFileInfo info(path());
  if (!info.isFile()) {
    report(kFileNotFound);
    return -1;
  }
  report(kFileOk);
  return info.size();
}

}  // namespace bv::sqlfile
