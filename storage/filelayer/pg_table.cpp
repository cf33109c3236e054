#include "storage/filelayer/pg_table.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "runtime/runtime_error.h"
#include "storage/filelayer/pg_connection.h"

namespace bv::sqlfile {

using namespace Qt::StringLiterals;
namespace {
bool isText(const FieldDef& f) { return f.type == FieldType::String || f.type == FieldType::Memo; }
// The lock that makes one station at a time change a table's layout.
constexpr int kSchemaLockSpace = 0x4277;
}  // namespace

PgTable::PgTable(PgConnection& connection, const TableDef& physical, QString path)
    : connection_(&connection), schema_(physical), path_(std::move(path)) {}

QString PgTable::tableName() const { return QFileInfo(schema_.table().fileName).completeBaseName(); }

QString PgTable::name() const { return quoted(connection_->schema()) + u'.' + quoted(tableName()); }

QString PgTable::lockKey() const { return connection_->schema() + u'.' + tableName(); }

QString PgTable::indexName(const KeyLayout& key) const { return tableName() + u'/' + key.indexName; }

namespace {
QString columnDefinition(const SchemaColumn& c) {
  return quoted(c.name) + (isText(*c.field) ? u" TEXT COLLATE \"C\" NOT NULL DEFAULT ''"_s
                                            : u" BIGINT NOT NULL DEFAULT 0"_s);
}
}  // namespace

QString PgTable::createTableSql() const {
  QStringList defs;
  defs << quoted(kPositionColumn) + u" BIGSERIAL PRIMARY KEY"_s;
  defs << quoted(kPlaceholderColumn) + u" BIGINT NOT NULL DEFAULT 0"_s;
  for (const SchemaColumn& c : schema_.columns()) defs << columnDefinition(c);
  return u"CREATE TABLE IF NOT EXISTS "_s + name() + u" ("_s +
         defs.join(u", "_s) + u')';
}

QString PgTable::createIndexSql(const KeyLayout& key) const {
  QStringList cols = key.compareColumns;
  // Equal keys keep position order; a unique key has none.
  if (!key.unique) cols << quoted(kPositionColumn);
  QString sql = u"CREATE "_s + (key.unique ? u"UNIQUE "_s : QString()) +
                u"INDEX IF NOT EXISTS "_s + quoted(indexName(key)) + u" ON "_s + name() +
                u" ("_s + cols.join(u", "_s) + u')';
  if (!key.partial.isEmpty()) sql += u" WHERE "_s + key.partial;
  return sql;
}

void PgTable::transactionEnded(bool committed) {
  if (!madeInTransaction_) return;
  madeInTransaction_ = false;
  if (committed) return;
  ready_ = false;
  ensureSchema(true, true);
}

int PgTable::ensureSchema(bool create, bool mayWrite) {
  if (ready_) return kFileOk;
  if (const int code = connection_->usable(); code != kFileOk) return code;
  PgRows columns, indexes;
  int code = connection_->run(QStringLiteral("SELECT attname FROM pg_attribute WHERE attrelid = to_regclass($1) "
                                             "AND attnum > 0 AND NOT attisdropped"),
                              {name()}, SqlAction::Open, &columns);
  if (code == kFileOk)
    code = connection_->run(QStringLiteral("SELECT c.relname FROM pg_index i JOIN pg_class c ON c.oid = i.indexrelid "
                                           "WHERE i.indrelid = to_regclass($1)"),
                            {name()}, SqlAction::Open, &indexes);
  if (code != kFileOk) return code;
  QSet<QString> present, indexNames;
  for (int i = 0; i < columns.count(); ++i) present.insert(columns.text(i, 0));
  for (int i = 0; i < indexes.count(); ++i) indexNames.insert(indexes.text(i, 0));
  if (present.isEmpty() && !create) return report(kFileNotFound);

  QStringList work;
  std::vector<const SchemaColumn*> newShadows;
  if (present.isEmpty()) {
    work << createTableSql();
  } else {
    for (const SchemaColumn& c : schema_.columns()) {
      if (present.contains(c.name)) continue;
      work << u"ALTER TABLE "_s + name() + u" ADD COLUMN IF NOT EXISTS "_s +
                  columnDefinition(c);
      if (c.shadow) newShadows.push_back(&c);
    }
  }
  for (const KeyLayout& k : schema_.keys())
    if (!indexNames.contains(indexName(k))) work << createIndexSql(k);
  if (work.isEmpty()) {
    ready_ = true;
    return kFileOk;
  }
  const bool columnsThere = !present.isEmpty() && newShadows.empty() &&
                            std::none_of(work.begin(), work.end(), [](const QString& s) { return s.startsWith(u"ALTER"); });
  if (!mayWrite) {
    // A read-only open reads without the missing index, a little slower.
    if (columnsThere) return kFileOk;
    return report(kFileAccessDenied);
  }
  return makeSchema(work, newShadows);
}

int PgTable::makeSchema(const QStringList& work, const std::vector<const SchemaColumn*>& newShadows) {
  // Inside the caller's transaction the layout joins it; otherwise it is a
  // transaction of its own, so that two stations never make half a table.
  const bool own = !connection_->inTransaction();
  auto run = [&](const QString& sql, const std::vector<SqlValue>& binds = {}, PgRows* rows = nullptr) {
    return connection_->run(sql, binds, SqlAction::Write, rows);
  };
  int code = run(own ? u"BEGIN"_s : u"SAVEPOINT bv_schema"_s);
  if (code != kFileOk) return code;
  auto undo = [&](int failed) {
    const RuntimeError error = currentRuntimeError();
    run(own ? u"ROLLBACK"_s : u"ROLLBACK TO SAVEPOINT bv_schema"_s);
    setRuntimeError(error);
    // Existing records that break a new unique index: the keys must be rebuilt.
    return failed == kDuplicateKey ? report(kKeyNeedsRebuild) : failed;
  };
  code = run(u"SELECT pg_advisory_xact_lock(%1, hashtext($1))"_s.arg(kSchemaLockSpace), {lockKey()});
  // Columns first, then the shadow texts of existing records, then the indexes.
  qsizetype i = 0;
  for (; code == kFileOk && i < work.size() && !work[i].startsWith(u"CREATE INDEX") &&
         !work[i].startsWith(u"CREATE UNIQUE");
       ++i)
    code = run(work[i]);
  for (const SchemaColumn* c : newShadows) {
    if (code != kFileOk) break;
    const SchemaColumn& source = schema_.columns()[c->source];
    PgRows rows;
    code = run(u"SELECT "_s + quoted(kPositionColumn) + u", "_s + quoted(source.name) +
                   u" FROM "_s + name(),
               {}, &rows);
    const QString update = u"UPDATE "_s + name() + u" SET "_s + quoted(c->name) +
                           u" = $1 WHERE "_s + quoted(kPositionColumn) + u" = $2"_s;
    for (int r = 0; code == kFileOk && r < rows.count(); ++r)
      code = run(update, {upperForKey(rows.text(r, 1)), rows.integer(r, 0)});
  }
  for (; code == kFileOk && i < work.size(); ++i) code = run(work[i]);
  if (code != kFileOk) return undo(code);
  code = run(own ? u"COMMIT"_s : u"RELEASE SAVEPOINT bv_schema"_s);
  if (code != kFileOk) return undo(code);
  ready_ = true;
  madeInTransaction_ = !own;
  return kFileOk;
}

}  // namespace bv::sqlfile
