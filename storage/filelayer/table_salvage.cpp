#include "storage/filelayer/table_salvage.h"

#include <QFileInfo>
#include <algorithm>
#include <memory>
#include <set>

#include "storage/filelayer/file_layer.h"
#include "storage/filelayer/private_db.h"
#include "storage/filelayer/sqlite_codes.h"

namespace bv::sqlfile {
namespace {

const QString kMain = QStringLiteral("main");

// Positions named by the keys' indexes, each read through its index alone;
// an index that breaks off gives what it read up to there. False when no index
// could be read to its end.
bool positionsInIndexes(sqlite3* db, const TableSchema& schema, std::set<qint64>& out) {
  bool anyWhole = false;
  for (const KeyLayout& k : schema.keys()) {
    QString sql = QStringLiteral("SELECT ") + quoted(kPositionColumn) + QStringLiteral(" FROM ") +
                  schema.qualifiedTable(kMain) + QStringLiteral(" INDEXED BY ") + quoted(k.indexName);
    if (!k.partial.isEmpty()) sql += QStringLiteral(" WHERE ") + k.partial;
    Statement s(db, sql);
    if (!s) continue;
    int rc;
    while ((rc = sqlite3_step(s.get())) == SQLITE_ROW) out.insert(sqlite3_column_int64(s.get(), 0));
    anyWhole = anyWhole || rc == SQLITE_DONE;
  }
  return anyWhole;
}

// The highest position the old file gave, as far as its sequence or its last
// record tell (0 when neither can be read).
qint64 highestGiven(sqlite3* db, const TableSchema& schema) {
  qint64 highest = 0;
  Statement seq(db, QStringLiteral("SELECT seq FROM main.sqlite_sequence WHERE name = ?1"));
  if (seq) {
    bindValue(seq.get(), 1, schema.table().label);
    if (sqlite3_step(seq.get()) == SQLITE_ROW) highest = sqlite3_column_int64(seq.get(), 0);
  }
  Statement last(db, QStringLiteral("SELECT max(") + quoted(kPositionColumn) + QStringLiteral(") FROM ") +
                         schema.qualifiedTable(kMain));
  if (last && sqlite3_step(last.get()) == SQLITE_ROW) highest = std::max(highest, sqlite3_column_int64(last.get(), 0));
  return highest;
}

// A bound for the walk when nothing tells the highest position: no file of this
// size holds records at higher positions than it has bytes.
qint64 boundBySize(const QString& path) { return std::max<qint64>(QFileInfo(path).size(), 1); }

class Copier {
 public:
  Copier(sqlite3* out, const TableSchema& schema) : schema_(schema) {
    QStringList names{quoted(kPositionColumn), quoted(kPlaceholderColumn)};
    for (const SchemaColumn& c : schema.columns()) names << quoted(c.name);
    QStringList marks;
    for (qsizetype i = 0; i < names.size(); ++i) marks << QStringLiteral("?");
    // A record whose key collides with one copied before (damage can do that)
    // is left in the damaged file.
    insert_ = std::make_unique<Statement>(
        out, QStringLiteral("INSERT OR IGNORE INTO ") + schema.qualifiedTable(kMain) + QStringLiteral(" (") +
                 names.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") + marks.join(QStringLiteral(", ")) +
                 u')');
  }
  bool ready() const { return bool(*insert_); }

  // Copies the current row of a select of selectList(); answers whether it was kept.
  bool copy(sqlite3_stmt* select) {
    sqlite3_stmt* insert = insert_->get();
    const int valueCount = schema_.valueColumnCount();
    const auto& columns = schema_.columns();
    sqlite3_bind_int64(insert, 1, sqlite3_column_int64(select, 0));
    sqlite3_bind_int64(insert, 2, sqlite3_column_int64(select, 1));
    std::vector<SqlValue> row;
    row.reserve(valueCount);
    for (int i = 0; i < valueCount; ++i) row.push_back(column(select, TableSchema::resultColumn(i)));
    for (std::size_t i = 0; i < columns.size(); ++i) {
      const SchemaColumn& c = columns[i];
      if (!c.shadow) {
        bindValue(insert, static_cast<int>(i) + 3, row[i]);
        continue;
      }
      const auto* text = std::get_if<QString>(&row[c.source]);
      bindValue(insert, static_cast<int>(i) + 3, upperForKey(text ? *text : QString()));
    }
    const bool kept = sqlite3_step(insert) == SQLITE_DONE && sqlite3_changes(sqlite3_db_handle(insert)) > 0;
    sqlite3_reset(insert);
    sqlite3_clear_bindings(insert);
    return kept;
  }

 private:
  const TableSchema& schema_;
  std::unique_ptr<Statement> insert_;
};

}  // namespace

int salvageTable(const QString& path, const QString& fresh, const TableSchema& schema, int busyTimeoutMs,
                 SalvageCount& count) {
  count = {};
  PrivateDb in(path, SQLITE_OPEN_READWRITE, busyTimeoutMs);
  PrivateDb out(fresh, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, busyTimeoutMs);
  if (!in.get() || !out.get()) return report(kKeyNeedsRebuild);
  if (out.exec(QStringLiteral("BEGIN")) != SQLITE_OK || out.exec(schema.createTableSql(kMain)) != SQLITE_OK)
    return reportSqlite(out.get(), sqlite3_errcode(out.get()), SqlAction::Write);
  // The indexes first, so that a record colliding on a unique key is left out
  // rather than failing the whole copy.
  for (const KeyLayout& k : schema.keys())
    if (out.exec(schema.createIndexSql(kMain, k)) != SQLITE_OK)
      return reportSqlite(out.get(), sqlite3_errcode(out.get()), SqlAction::Write);

  std::set<qint64> named;
  const bool indexesRead = positionsInIndexes(in.get(), schema, named);
  qint64 highest = highestGiven(in.get(), schema);
  if (!named.empty()) highest = std::max(highest, *named.rbegin());

  Copier copier(out.get(), schema);
  Statement select(in.get(), QStringLiteral("SELECT ") + schema.selectList() + QStringLiteral(" FROM ") +
                                 schema.qualifiedTable(kMain) + QStringLiteral(" WHERE ") + quoted(kPositionColumn) +
                                 QStringLiteral(" >= ? ORDER BY ") + quoted(kPositionColumn));
  if (!select || !copier.ready()) return report(kKeyNeedsRebuild);  // not even the table can be found

  std::set<qint64> kept;
  bool damaged = false;
  qint64 bound = highest;
  qint64 from = 1;  // the next position to look for
  for (;;) {
    sqlite3_bind_int64(select.get(), 1, from);
    int rc;
    while ((rc = sqlite3_step(select.get())) == SQLITE_ROW) {
      const qint64 pos = sqlite3_column_int64(select.get(), 0);
      // Positions only go up; a lower one comes from a garbled page.
      if (pos < from) {
        rc = SQLITE_CORRUPT;
        break;
      }
      if (copier.copy(select.get())) kept.insert(pos);
      from = pos + 1;
    }
    sqlite3_reset(select.get());
    if (rc == SQLITE_DONE) break;
    if (!damaged) {
      damaged = true;
      if (bound == 0) bound = boundBySize(path);
    }
    // The record at `from` (or the page the walk went on to) cannot be read:
    // look again one position further.
    if (++from > bound) break;
  }
  if (kept.empty() && damaged) return report(kKeyNeedsRebuild);

  count.kept = static_cast<qint64>(kept.size());
  if (indexesRead || !named.empty()) {
    count.unreadable = 0;
    for (qint64 pos : named)
      if (!kept.contains(pos)) ++count.unreadable;
  }

  // Positions stay never reused: the sequence goes on from the old file's.
  const qint64 sequence = std::max(highest, kept.empty() ? 0 : *kept.rbegin());
  if (sequence > 0) {
    Statement setSeq(out.get(), QStringLiteral("INSERT OR REPLACE INTO sqlite_sequence (name, seq) VALUES (?1, ?2)"));
    if (setSeq) {
      bindValue(setSeq.get(), 1, schema.table().label);
      sqlite3_bind_int64(setSeq.get(), 2, sequence);
      sqlite3_step(setSeq.get());
    }
  }
  if (out.exec(QStringLiteral("PRAGMA main.user_version = %1").arg(kSchemaVersion)) != SQLITE_OK ||
      out.exec(QStringLiteral("COMMIT")) != SQLITE_OK)
    return reportSqlite(out.get(), sqlite3_errcode(out.get()), SqlAction::Write);
  return out.passesIntegrityCheck() ? kFileOk : report(kKeyNeedsRebuild);
}

}  // namespace bv::sqlfile
