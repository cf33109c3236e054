// The server's failure states become the layer's codes once, by what the
// statement was doing; a lost connection carries the server's own text.
#include "runtime/runtime_error.h"
#include "storage/filelayer/pg_codes.h"
#include "storage/filelayer/pg_seek_query.h"
#include "tests/storage/filelayer/layer_fixture.h"

namespace bv::test {

using namespace Qt::StringLiterals;
namespace {

using sqlfile::SqlAction;

TEST(ServerCodes, StatesMapByWhatTheStatementWasDoing) {
  using sqlfile::fileCodeForState;
  EXPECT_EQ(fileCodeForState("23505", SqlAction::Write), kDuplicateKey);
  // A lock not granted in time, or a conflict that outlived its retries.
  for (const char* state : {"55P03", "57014", "40001", "40P01"}) {
    EXPECT_EQ(fileCodeForState(state, SqlAction::Read), kRecordHeld) << state;
    EXPECT_EQ(fileCodeForState(state, SqlAction::Write), kFileAccessDenied) << state;
    EXPECT_EQ(fileCodeForState(state, SqlAction::Open), kFileAccessDenied) << state;
  }
  EXPECT_EQ(fileCodeForState("42501", SqlAction::Open), kFileAccessDenied);
  EXPECT_EQ(fileCodeForState("28P01", SqlAction::Open), kFileAccessDenied);
  EXPECT_EQ(fileCodeForState("XX002", SqlAction::Read), kKeyNeedsRebuild);
  // No state at all: the connection is gone. A full disk and the unexpected are 90.
  for (const char* state : {"", "53100", "58030", "08006", "42601"})
    EXPECT_EQ(fileCodeForState(state, SqlAction::Read), kFileSystemError) << state;
  EXPECT_TRUE(sqlfile::isRetryableState("40001"));
  EXPECT_TRUE(sqlfile::isRetryableState("40P01"));
  EXPECT_FALSE(sqlfile::isRetryableState("23505"));
}

TEST(ServerCodes, ALostConnectionReportsTheServersText) {
  clearRuntimeError();
  EXPECT_EQ(sqlfile::reportServer({}, "server closed the connection unexpectedly\n", SqlAction::Read),
            kFileSystemError);
  const RuntimeError e = currentRuntimeError();
  EXPECT_EQ(e.code, kFileSystemError);
  EXPECT_EQ(e.fileText, "server closed the connection unexpectedly");
  EXPECT_FALSE(e.fileCode.isEmpty());
  EXPECT_EQ(sqlfile::reportServer("23505", "duplicate key", SqlAction::Write), kDuplicateKey);
  EXPECT_EQ(currentRuntimeError().fileText, QString());
  clearRuntimeError();
}

// Beyond a record of a key with duplicates the position takes part in the one
// row comparison (so the key's index serves it); on a unique key it does not.
TEST(ServerCodes, SeekingBeyondARecordComparesTheKeyAndPosition) {
  const sqlfile::TableSchema schema(tableDef("Basicos"));
  const sqlfile::KeyLayout* byDescription = schema.layout(keyDef("BAS:KEYDES"));
  const sqlfile::KeyLayout* byCode = schema.layout(keyDef("BAS:KEYCOD"));
  ASSERT_TRUE(byDescription && byCode && !byDescription->unique && byCode->unique);
  sqlfile::SequencePoint after{sqlfile::SequencePoint::Kind::After, {u"X"_s}, 7};
  auto q = sqlfile::pgSeekQuery(schema, "t", byDescription, true, after, false);
  EXPECT_TRUE(q.sql.contains(R"(("BAS:DESCRIPCION", "bv_pos") > ($1, $2))")) << q.sql.toStdString();
  EXPECT_TRUE(q.sql.contains(R"(ORDER BY "BAS:DESCRIPCION", "bv_pos" LIMIT 1)")) << q.sql.toStdString();
  EXPECT_EQ(q.binds.size(), 2u);
  q = sqlfile::pgSeekQuery(schema, "t", byDescription, false, after, false, 50);
  EXPECT_TRUE(q.sql.contains(R"(("BAS:DESCRIPCION", "bv_pos") < ($1, $2))")) << q.sql.toStdString();
  EXPECT_TRUE(q.sql.contains(R"(ORDER BY "BAS:DESCRIPCION" DESC, "bv_pos" DESC LIMIT 50)")) << q.sql.toStdString();
  // next() from just before a record reads that record itself.
  after.kind = sqlfile::SequencePoint::Kind::Before;
  q = sqlfile::pgSeekQuery(schema, "t", byCode, true, after, false);
  EXPECT_TRUE(q.sql.contains(R"(("BAS:CODIGO") >= ($1))")) << q.sql.toStdString();
  EXPECT_EQ(q.binds.size(), 1u);
  EXPECT_TRUE(q.sql.contains(R"("bv_placeholder" = 0)"));
}

}  // namespace
}  // namespace bv::test
