// Damaged files answer 46 and are rebuilt; a directory that cannot be written
// answers 5 on write.
#include <unistd.h>

#include <QFile>

#include "runtime/runtime_error.h"
#include "tests/storage/filelayer/layer_fixture.h"
#include "tests/storage/filelayer/unwritable_path.h"

namespace bv::test {
namespace {

class DamagedFiles : public LayerTest {
 protected:
  static constexpr int kRecords = 300;

  // A Basicos file of several pages, then no connection left open.
  QString makeFile() {
    auto f = open("Basicos");
    EXPECT_EQ(f->markForTransaction(), kFileOk);
    EXPECT_EQ(layer->beginTransaction(1), kFileOk);
    for (int i = 0; i < kRecords; ++i)
      EXPECT_EQ(f->add(basico(QString("B%1").arg(i, 4, 10, QChar('0')), QString(40, QChar('a' + i % 26)))), kFileOk);
    EXPECT_EQ(layer->commit(), kFileOk);
    const QString path = f->path();
    f.reset();
    layer.reset();
    return path;
  }

  static qint64 pageSize(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray header = file.read(100);
    const int size = (static_cast<unsigned char>(header[16]) << 8) | static_cast<unsigned char>(header[17]);
    return size == 1 ? 65536 : size;
  }

  // The root page of a table or index, by its own connection.
  static int rootPage(const QString& path, const char* name) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_schema WHERE name = ?1", -1, &s, nullptr);
    sqlite3_bind_text(s, 1, name, -1, SQLITE_STATIC);
    const int page = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int(s, 0) : 0;
    sqlite3_finalize(s);
    sqlite3_close(db);
    return page;
  }

  static QByteArray readPage(const QString& path, int page) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    file.seek((page - 1) * pageSize(path));
    return file.read(pageSize(path));
  }

  static void garble(const QString& path, qint64 offset, qint64 length) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(offset);
    QByteArray junk(length, '\0');
    for (qint64 i = 0; i < length; ++i) junk[i] = static_cast<char>((i * 37 + 11) & 0xff);
    file.write(junk);
  }

  qint64 countAfterRebuild() {
    layer = makeLayer();
    auto f = layer->file(tableDef("Basicos"));
    EXPECT_EQ(f->open(kShareDenyNone), kKeyNeedsRebuild);
    EXPECT_EQ(currentRuntimeError().code, kKeyNeedsRebuild);
    EXPECT_EQ(f->rebuildKeys(), kFileOk);
    EXPECT_EQ(f->open(kShareDenyNone), kFileOk);
    EXPECT_EQ(integrityOf(f->path()), "ok");
    return f->recordCount();
  }
};

TEST_F(DamagedFiles, ADamagedIndexIsRebuiltWithEveryRecord) {
  const QString path = makeFile();
  const int page = rootPage(path, "BAS:KEYDES");
  ASSERT_GT(page, 1);
  garble(path, (page - 1) * pageSize(path) + 8, 200);
  EXPECT_EQ(countAfterRebuild(), kRecords);
  auto f = open("Basicos");
  EXPECT_EQ(readAll(*f, &keyDef("BAS:KEYCOD"), "BAS:CODIGO").size(), kRecords);
}

TEST_F(DamagedFiles, ADamagedRecordPageIsCutOutAndTheRestCopiedToAFreshFile) {
  const QString path = makeFile();
  // The first leaf under the table's root: the left child of its first cell.
  const QByteArray root = readPage(path, rootPage(path, "Basicos"));
  ASSERT_EQ(static_cast<unsigned char>(root[0]), 0x05) << "the table should span several pages";
  const int cell = (static_cast<unsigned char>(root[12]) << 8) | static_cast<unsigned char>(root[13]);
  int leaf = 0;
  for (int i = 0; i < 4; ++i) leaf = (leaf << 8) | static_cast<unsigned char>(root[cell + i]);
  garble(path, (leaf - 1) * pageSize(path), pageSize(path));

  const qint64 kept = countAfterRebuild();
  EXPECT_GT(kept, 0);
  EXPECT_LT(kept, kRecords);
  EXPECT_TRUE(QFile::exists(path + ".damaged"));
  // Positions go on after the highest one ever given.
  auto f = open("Basicos");
  ASSERT_EQ(f->add(basico("NUEVO")), kFileOk);
  EXPECT_GT(f->position(), kRecords);
}

TEST_F(DamagedFiles, AFileThatIsNoDatabaseCannotBeRebuilt) {
  const QString path = makeFile();
  garble(path, 0, 100);
  layer = makeLayer();
  auto f = layer->file(tableDef("Basicos"));
  EXPECT_EQ(f->open(kShareDenyNone), kKeyNeedsRebuild);
  EXPECT_EQ(f->rebuildKeys(), kKeyNeedsRebuild);
  EXPECT_EQ(f->open(kShareDenyNone), kKeyNeedsRebuild);
}

TEST_F(DamagedFiles, ADirectoryWithoutWritePermissionAnswersAccessDeniedOnWrite) {
  {
    auto f = open("Basicos");
    ASSERT_EQ(f->add(basico("A")), kFileOk);
  }
  layer.reset();
  UnwritablePath guard(dir.path(), UnwritablePath::Kind::Directory);
  if (!guard.made()) GTEST_SKIP() << "cannot make the directory unwritable here";
  layer = makeLayer();
  auto f = layer->file(tableDef("Basicos"));
  ASSERT_EQ(f->open(kShareDenyNone), kFileOk);
  EXPECT_EQ(readAll(*f, nullptr, "BAS:CODIGO"), QStringList{"A"});
  EXPECT_EQ(f->add(basico("B")), kFileAccessDenied);
  // A table that is not there cannot be made.
  auto missing = layer->file(tableDef("Formula1"));
  EXPECT_EQ(missing->open(kShareDenyNone, true), kFileAccessDenied);
  f.reset();
  missing.reset();
  layer.reset();
}

}  // namespace
}  // namespace bv::test
