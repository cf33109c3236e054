// Every read in key order is answered from the key's index: no table scan, no
// sort. Checked with SQLite's own query plans on files the layer made.
#include "storage/filelayer/seek_query.h"

#include "tests/storage/filelayer/layer_fixture.h"

namespace bv::test {
namespace {

using sqlfile::SequencePoint;

QString planOf(sqlite3* db, const QString& sql) {
  sqlite3_stmt* s = nullptr;
  QStringList lines;
  if (sqlite3_prepare_v2(db, ("EXPLAIN QUERY PLAN " + sql).toUtf8().constData(), -1, &s, nullptr) != SQLITE_OK)
    return QString("error: ") + sqlite3_errmsg(db);
  while (sqlite3_step(s) == SQLITE_ROW) lines << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 3)));
  sqlite3_finalize(s);
  return lines.join(" | ");
}

using SeekQueries = LayerTest;

TEST_F(SeekQueries, ReadsInKeyOrderUseTheKeysIndexWithoutSorting) {
  TableDef folded = tableDef("Basicos");
  folded.fileName = "Folded.tps";
  for (KeyDef& k : folded.keys) k.ignoresCase = true;
  std::vector<const TableDef*> tables{&tableDef("Basicos"), &tableDef("Formula1"), &tableDef("Formula2"),
                                      &tableDef("Compra2"), &folded};
  std::vector<QString> paths;
  for (const TableDef* t : tables) {
    auto f = layer->file(*t);
    ASSERT_EQ(f->open(kShareDenyNone, true), kFileOk);
    paths.push_back(f->path());
  }
  layer.reset();

  const SequencePoint::Kind kinds[] = {SequencePoint::Kind::Start, SequencePoint::Kind::Values,
                                       SequencePoint::Kind::After, SequencePoint::Kind::Before};
  for (std::size_t t = 0; t < tables.size(); ++t) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(paths[t].toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    const sqlfile::TableSchema schema(*tables[t]);
    const QString table = schema.qualifiedTable("main");
    for (const sqlfile::KeyLayout& key : schema.keys())
      for (bool forward : {true, false})
        for (SequencePoint::Kind kind : kinds)
          for (bool placeholders : {false, key.autoNumber}) {
            SequencePoint point;
            point.kind = kind;
            const QString sql = sqlfile::seekQuery(schema, table, &key, forward, point, placeholders).sql;
            const QString plan = planOf(db, sql);
            SCOPED_TRACE((key.indexName + " " + sql + " -> " + plan).toStdString());
            EXPECT_TRUE(plan.contains("USING INDEX " + key.indexName) ||
                        plan.contains("USING COVERING INDEX " + key.indexName));
            EXPECT_FALSE(plan.contains("TEMP B-TREE"));
            // Beyond a record of a key with duplicates the seek takes the
            // position too: a walk along equal keys never steps over the
            // records it has passed.
            if (!key.unique && (kind == SequencePoint::Kind::After || kind == SequencePoint::Kind::Before))
              EXPECT_TRUE(plan.contains("bv_pos>") || plan.contains("bv_pos<"));
          }
    // Position order walks the table itself, in order.
    for (SequencePoint::Kind kind : kinds) {
      SequencePoint point;
      point.kind = kind;
      const QString plan = planOf(db, sqlfile::seekQuery(schema, table, nullptr, true, point, false).sql);
      EXPECT_FALSE(plan.contains("TEMP B-TREE")) << plan.toStdString();
      EXPECT_FALSE(plan.contains("error")) << plan.toStdString();
    }
    sqlite3_close(db);
  }
}

TEST_F(SeekQueries, AFileLockedByAnotherWriterAnswersHeldOnReadAndDeniedOnWrite) {
  layer = makeLayer(200);
  auto f = open("Basicos");
  ASSERT_EQ(f->add(basico("A")), kFileOk);
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open_v2(f->path().toUtf8().constData(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  Record r(f->table());
  f->setPosition(nullptr, FileEdge::Start);
  EXPECT_EQ(f->next(r), kRecordHeld);
  EXPECT_EQ(f->add(basico("B")), kFileAccessDenied);
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  EXPECT_EQ(f->next(r), kFileOk);
  EXPECT_EQ(f->add(basico("B")), kFileOk);
}

}  // namespace
}  // namespace bv::test
