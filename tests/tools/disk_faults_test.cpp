// bravent-cli when the disk fails: a change that committed is told as done
// (with the disk's warning), and a demo set that could not be finished leaves
// the data folder as it was.
#include "tests/storage/filelayer/faulty_vfs.h"
#include "tests/tools/cli_fixture.h"

namespace bv::test {
namespace {

bool holdsDataFiles(const QString& dir) {
  return !QDir(dir).entryList({QStringLiteral("*.tps"), QStringLiteral("*.TPS")}, QDir::Files).isEmpty();
}

TEST_F(CliTest, AChangePastItsCommitPointIsToldAsDoneWithTheDisksWarning) {
  fillDemo();
  FaultyVfs vfs;
  vfs.failSuperJournalDirectorySync();
  const CliResult changed = cli({"tabla-cambia", "Basicos", "BAS:CODIGO=05-REAC-B", "--pon", "BAS:CODIGO=05-REAC-Z"});
  EXPECT_TRUE(vfs.failed());
  EXPECT_EQ(changed.status, 0);
  ASSERT_EQ(changed.errLines().size(), 1);
  EXPECT_TRUE(changed.err.startsWith("Advertencia de Disco: Los cambios en Basicos.tps fueron grabados"))
      << changed.err.toStdString();
  EXPECT_FALSE(changed.err.contains("Transacción Cancelada"));
  // The basic product and the records that use it hold the new code.
  EXPECT_TRUE(exportTable("Basicos").contains("05-REAC-Z"));
  EXPECT_FALSE(exportTable("Basicos").contains("05-REAC-B"));
  EXPECT_TRUE(exportTable("Formula1").contains("05-REAC-Z"));
  EXPECT_FALSE(exportTable("Formula1").contains("05-REAC-B"));
}

TEST_F(CliTest, ADemoSetThatFailsHalfWayLeavesNoHalfDataFolder) {
  const QString target = QDir(scratch.path()).filePath("datos");
  {
    FaultyVfs vfs;
    vfs.failAt(400);  // well into the set: several tables are written by then
    const CliResult failed = cli(target, {"demo"});
    EXPECT_TRUE(vfs.failed());
    EXPECT_EQ(failed.status, 3);
  }
  EXPECT_FALSE(holdsDataFiles(target));
  // Nothing is left beside it either, and the demo can be made again.
  EXPECT_EQ(QDir(scratch.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList());
  EXPECT_EQ(cli(target, {"demo"}).status, 0);
  EXPECT_EQ(csvRows(exportTable(target, "Linea")).size(), 8);
  EXPECT_FALSE(csvRows(exportTable(target, "Basicos")).isEmpty());

  // Into a folder that exists (and holds other things) the files are moved.
  QDir(data.path()).mkdir("otros");
  EXPECT_EQ(cli({"demo"}).status, 0);
  EXPECT_TRUE(QDir(data.path()).exists("otros"));
  EXPECT_EQ(csvRows(exportTable("Linea")).size(), 8);
}

}  // namespace
}  // namespace bv::test
