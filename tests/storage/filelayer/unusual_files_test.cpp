// Files the layer meets that it did not make as it expects: one nobody may
// write, a link to a device, and a table made inside a transaction that was
// rolled back.
#include <unistd.h>

#include <QFile>
#include <QDir>
#include <QFileInfo>

#include "tests/storage/filelayer/layer_fixture.h"
#include "tests/storage/filelayer/unwritable_path.h"

namespace bv::test {
namespace {

using UnusualFiles = LayerTest;

TEST_F(UnusualFiles, AFileNobodyMayWriteIsDeniedForWritingAndOpensReadOnly) {
  QString path;
  {
    auto f = open("Basicos");
    ASSERT_EQ(f->add(basico("A")), kFileOk);
    path = f->path();
  }
  layer.reset();
  UnwritablePath guard(path, UnwritablePath::Kind::File);
  if (!guard.made()) GTEST_SKIP() << "cannot make the file unwritable here";
  layer = makeLayer();
  auto f = layer->file(tableDef("Basicos"));
  EXPECT_EQ(f->open(kShareDenyNone), kFileAccessDenied);
  ASSERT_EQ(f->open(kShareDenyNone & 0xF0), kFileOk);
  EXPECT_TRUE(f->isReadOnly());
  EXPECT_EQ(readAll(*f, nullptr, "BAS:CODIGO"), QStringList{"A"});
  f.reset();
  layer.reset();
}

TEST_F(UnusualFiles, ALinkToADeviceIsNeverTakenForATableNorDeleted) {
  const QString path = QDir(dir.path()).filePath("Basicos.tps");
  ASSERT_TRUE(QFile::link("/dev/null", path));
  auto f = layer->file(tableDef("Basicos"));
  EXPECT_EQ(f->open(kShareDenyNone, true), kFileSystemError);
  EXPECT_EQ(f->create(), kFileSystemError);
  EXPECT_TRUE(QFileInfo(path).isSymLink());
  EXPECT_EQ(QFileInfo(path).symLinkTarget(), "/dev/null");
}

TEST_F(UnusualFiles, ATableMadeInATransactionThatRolledBackIsMadeAgain) {
  auto bas = open("Basicos");
  ASSERT_EQ(bas->markForTransaction(), kFileOk);
  ASSERT_EQ(layer->beginTransaction(1), kFileOk);
  // Formula1's file is used for the first time inside the transaction.
  auto f = open("Formula1");
  ASSERT_EQ(f->add(formula1(1, "T1")), kFileOk);
  ASSERT_EQ(layer->rollback(), kFileOk);
  Record r(tableDef("Formula1"));
  f->setPosition(nullptr, FileEdge::Start);
  EXPECT_EQ(f->next(r), kRecordNotAvailable);
  EXPECT_EQ(f->add(formula1(2, "T2")), kFileOk);
  auto again = layer->file(tableDef("Formula1"));
  ASSERT_EQ(again->open(kShareDenyNone), kFileOk);
  EXPECT_EQ(readAll(*again, nullptr, "FOR1:CODIGO_TERMINADO"), QStringList{"T2"});
}

}  // namespace
}  // namespace bv::test
