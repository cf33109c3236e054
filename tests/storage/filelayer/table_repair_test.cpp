// The repair of a damaged table keeps every record that can still be read by
// its position, counts what it lost, and never overwrites an earlier repair's
// damaged copy. Damage is random bytes written with fixed seeds.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <random>

#include "runtime/runtime_error.h"
#include "tests/storage/filelayer/layer_fixture.h"

namespace bv::test {
namespace {

constexpr int kRows = 20000;

class TableRepair : public LayerTest {
 protected:
  // A Formula2 file of kRows records, no connection left open.
  QString makeFile() {
    auto f = open("Formula2");
    EXPECT_EQ(f->markForTransaction(), kFileOk);
    EXPECT_EQ(layer->beginTransaction(1), kFileOk);
    for (int i = 0; i < kRows; ++i)
      EXPECT_EQ(f->add(formula2(i / 10 + 1, QString("BASICO-%1").arg(i % 10), i % 97)), kFileOk);
    EXPECT_EQ(layer->commit(), kFileOk);
    const QString path = f->path();
    f.reset();
    layer.reset();
    return path;
  }

  // Writes `pages` pages of random bytes from a random page past the header.
  static void damage(const QString& path, unsigned seed, int pages) {
    std::mt19937 random(seed);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const qint64 pageSize = 4096;
    const qint64 pageCount = file.size() / pageSize;
    const qint64 first = 2 + static_cast<qint64>(random() % static_cast<unsigned>(pageCount - pages - 2));
    QByteArray junk(pages * pageSize, '\0');
    for (char& c : junk) c = static_cast<char>(random() & 0xff);
    file.seek(first * pageSize);
    file.write(junk);
  }

  // The records a read by position still finds, through a connection of its own.
  static qint64 readableByPosition(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM \"Formula2\" WHERE bv_pos = ?1", -1, &s, nullptr);
    qint64 readable = 0;
    for (int pos = 1; pos <= kRows; ++pos) {
      sqlite3_bind_int(s, 1, pos);
      if (sqlite3_step(s) == SQLITE_ROW) ++readable;
      sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
    return readable;
  }

  RebuildReport repair() {
    layer = makeLayer();
    auto f = layer->file(tableDef("Formula2"));
    EXPECT_EQ(f->open(kShareDenyNone), kKeyNeedsRebuild);
    EXPECT_EQ(f->rebuildKeys(), kFileOk);
    const RebuildReport report = f->lastRebuild();
    EXPECT_EQ(f->open(kShareDenyNone), kFileOk);
    EXPECT_EQ(integrityOf(f->path()), "ok");
    EXPECT_EQ(f->recordCount(), report.kept);
    f.reset();
    layer.reset();
    return report;
  }

  static QByteArray hashOf(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
  }
};

TEST_F(TableRepair, KeepsEveryRecordReadableByPositionAndCountsTheRest) {
  const QString path = makeFile();
  const QString pristine = path + ".pristine";
  ASSERT_TRUE(QFile::copy(path, pristine));
  qint64 keptTotal = 0, readableTotal = 0;
  for (unsigned seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE(seed);
    QFile::remove(path);
    for (const QString& old : QDir(dir.path()).entryList({"*.damaged*"})) QFile::remove(dir.filePath(old));
    ASSERT_TRUE(QFile::copy(pristine, path));
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    // 1 to 8 pages, and once the 100 KB of the reported case.
    damage(path, seed, seed == 20 ? 25 : 1 + static_cast<int>(seed % 8));
    const qint64 readable = readableByPosition(path);
    const RebuildReport report = repair();
    if (!report.copied) {  // the damage hit only indexes: rebuilt in place with everything
      EXPECT_EQ(report.kept, kRows);
      continue;
    }
    EXPECT_GE(report.kept, readable);
    EXPECT_GE(report.unreadable, 0);
    EXPECT_LE(report.kept + report.unreadable, kRows);
    keptTotal += report.kept;
    readableTotal += readable;
  }
  std::printf("repair: kept %lld of %lld records readable by position\n", static_cast<long long>(keptTotal),
              static_cast<long long>(readableTotal));
}

TEST_F(TableRepair, ASecondRepairKeepsTheFirstDamagedCopy) {
  const QString path = makeFile();
  damage(path, 7, 4);
  RebuildReport first = repair();
  ASSERT_TRUE(first.copied);
  EXPECT_EQ(first.damagedCopy, path + ".damaged");
  const QByteArray firstCopy = hashOf(first.damagedCopy);

  damage(path, 8, 4);
  RebuildReport second = repair();
  ASSERT_TRUE(second.copied);
  EXPECT_EQ(second.damagedCopy, path + ".damaged.2");
  EXPECT_EQ(hashOf(first.damagedCopy), firstCopy);
  EXPECT_NE(hashOf(second.damagedCopy), firstCopy);
  EXPECT_LE(second.kept, first.kept);
}

}  // namespace
}  // namespace bv::test
