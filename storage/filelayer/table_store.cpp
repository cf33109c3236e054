#include "storage/filelayer/table_store.h"

#include <QSet>
#include <algorithm>

#include "runtime/runtime_error.h"
#include "storage/filelayer/sqlite_connection.h"

namespace bv::sqlfile {

TableStore::TableStore(SqliteConnection& connection, QString path, const TableDef& physical, QString schemaName)
    : connection_(&connection),
      path_(std::move(path)),
      schemaName_(std::move(schemaName)),
      schema_(physical),
      lock_(path_ + QStringLiteral(".lck")) {}

TableStore::~TableStore() { dropStatements(); }

void TableStore::setAttached(bool attached) {
  attached_ = attached;
  if (!attached) dropStatements();
}

void TableStore::dropStatements() {
  for (sqlite3_stmt* s : std::as_const(statements_)) sqlite3_finalize(s);
  statements_.clear();
}

sqlite3_stmt* TableStore::prepare(const QString& sql, SqlAction action, int& code) {
  code = connection_->attach(*this);
  if (code != kFileOk) return nullptr;
  if (sqlite3_stmt* cached = statements_.value(sql)) return cached;
  sqlite3_stmt* statement = nullptr;
  const int rc = sqlite3_prepare_v3(connection_->db(), sql.toUtf8().constData(), -1, SQLITE_PREPARE_PERSISTENT,
                                    &statement, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_finalize(statement);
    code = reportSqlite(connection_->db(), rc, action);
    return nullptr;
  }
  statements_.insert(sql, statement);
  return statement;
}

int TableStore::run(const QString& sql, const std::vector<SqlValue>& binds, SqlAction action,
                    const RowHandler& onRow, int maxRows) {
  int code = kFileOk;
  sqlite3_stmt* statement = prepare(sql, action, code);
  if (!statement) return code;
  bindAll(statement, binds);
  int rc;
  int rows = 0;
  while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
    if (onRow) onRow(statement);
    if (++rows >= maxRows) break;
  }
  // Reset at once: a statement left active would keep its read lock on the file.
  sqlite3_reset(statement);
  sqlite3_clear_bindings(statement);
  if (rc == SQLITE_ROW || rc == SQLITE_DONE) return kFileOk;
  return reportSqlite(connection_->db(), rc, action);
}

int TableStore::changes() const { return sqlite3_changes(connection_->db()); }

qint64 TableStore::lastInsertPosition() const { return sqlite3_last_insert_rowid(connection_->db()); }

void TableStore::transactionEnded(bool committed) {
  if (!madeInTransaction_) return;
  madeInTransaction_ = false;
  if (committed) return;
  forgetSchema();
  ensureSchema(true);
}

int TableStore::ensureSchema(bool mayWrite) {
  if (schemaReady_) return kFileOk;
  const QString schema = quoted(schemaName_);
  const QString tableName = schema_.table().label;

  QSet<QString> present;
  int code = run(QStringLiteral("SELECT name FROM pragma_table_info(?1, ?2)"), {tableName, schemaName_},
                 SqlAction::Open, [&](sqlite3_stmt* s) { present.insert(std::get<QString>(column(s, 0))); },
                 1 << 30);
  if (code != kFileOk) return code;
  QSet<QString> indexes;
  code = run(QStringLiteral("SELECT name FROM ") + schema + QStringLiteral(".sqlite_schema WHERE type = 'index'"), {},
             SqlAction::Open, [&](sqlite3_stmt* s) { indexes.insert(std::get<QString>(column(s, 0))); }, 1 << 30);
  if (code != kFileOk) return code;
  qint64 version = 0;
  code = run(QStringLiteral("PRAGMA ") + schema + QStringLiteral(".user_version"), {}, SqlAction::Open,
             [&](sqlite3_stmt* s) { version = sqlite3_column_int64(s, 0); });
  if (code != kFileOk) return code;

  QStringList work;
  std::vector<const SchemaColumn*> newShadows;
  if (present.isEmpty()) {
    work << schema_.createTableSql(schemaName_);
  } else {
    for (const SchemaColumn& c : schema_.columns()) {
      if (present.contains(c.name)) continue;
      work << QStringLiteral("ALTER TABLE ") + table() + QStringLiteral(" ADD COLUMN ") + schema_.columnDefinition(c);
      if (c.shadow) newShadows.push_back(&c);
    }
  }
  for (const KeyLayout& k : schema_.keys())
    if (!indexes.contains(k.indexName)) work << schema_.createIndexSql(schemaName_, k);
  if (version < kSchemaVersion)
    work << QStringLiteral("PRAGMA ") + schema + QStringLiteral(".user_version = %1").arg(kSchemaVersion);
  if (work.isEmpty()) {
    schemaReady_ = true;
    return kFileOk;
  }

  const bool columnsThere = !present.isEmpty() &&
      std::all_of(schema_.columns().begin(), schema_.columns().end(),
                  [&](const SchemaColumn& c) { return present.contains(c.name); });
  if (!mayWrite) {
    // A read-only open reads without the missing index, a little slower.
    if (columnsThere) {
      for (const KeyLayout& k : schema_.keys())
        if (!indexes.contains(k.indexName)) missingIndexes_.insert(k.indexName);
      return kFileOk;
    }
    return report(kFileAccessDenied);
  }

  code = connection_->exec(QStringLiteral("SAVEPOINT bv_schema"), SqlAction::Write);
  if (code != kFileOk) return code;
  auto undo = [&](int failed) {
    const RuntimeError error = currentRuntimeError();
    connection_->exec(QStringLiteral("ROLLBACK TO bv_schema"), SqlAction::Write);
    connection_->exec(QStringLiteral("RELEASE bv_schema"), SqlAction::Write);
    setRuntimeError(error);
    // Existing records that break a new unique index: the keys must be rebuilt.
    return failed == kDuplicateKey ? report(kKeyNeedsRebuild) : failed;
  };
  // Columns first, then the shadow texts of existing records, then the indexes.
  int i = 0;
  for (; i < work.size() && work[i].startsWith(QStringLiteral("ALTER")); ++i)
    if ((code = connection_->exec(work[i], SqlAction::Write)) != kFileOk) return undo(code);
  for (const SchemaColumn* c : newShadows) {
    const SchemaColumn& source = schema_.columns()[c->source];
    std::vector<std::pair<qint64, QString>> rows;
    code = run(QStringLiteral("SELECT ") + quoted(kPositionColumn) + QStringLiteral(", ") + quoted(source.name) +
                   QStringLiteral(" FROM ") + table(),
               {}, SqlAction::Read,
               [&](sqlite3_stmt* s) {
                 rows.emplace_back(sqlite3_column_int64(s, 0), std::get<QString>(column(s, 1)));
               },
               1 << 30);
    if (code != kFileOk) return undo(code);
    const QString update = QStringLiteral("UPDATE ") + table() + QStringLiteral(" SET ") + quoted(c->name) +
                           QStringLiteral(" = ?1 WHERE ") + quoted(kPositionColumn) + QStringLiteral(" = ?2");
    for (const auto& [pos, text] : rows)
      if ((code = run(update, {upperForKey(text), pos}, SqlAction::Write)) != kFileOk) return undo(code);
  }
  for (; i < work.size(); ++i)
    if ((code = connection_->exec(work[i], SqlAction::Write)) != kFileOk) return undo(code);
  code = connection_->exec(QStringLiteral("RELEASE bv_schema"), SqlAction::Write);
  if (code != kFileOk) return undo(code);
  schemaReady_ = true;
  madeInTransaction_ = connection_->inTransaction();
  missingIndexes_.clear();
  return kFileOk;
}

}  // namespace bv::sqlfile
