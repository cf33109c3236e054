// Appending to an existing DBF table keeps its records and count, adds to
// them, and leaves exactly one end-of-file byte.
#include <gtest/gtest.h>

#include "kalrep/export_codes.h"
#include "kalrep_test_support.h"

namespace bv::test {
namespace {

void exportRecords(const QString& file, const QString& ini, kal::Byte createFile,
                   const QStringList& codes) {
  SampleExport e;
  ASSERT_TRUE(e.start(kal::kDbf, file, ini, createFile));
  for (const QString& code : codes) ASSERT_TRUE(e.record(code, QStringLiteral("Verde"), "2.5"));
  e.CLOSE();
}

int recordCount(const QByteArray& dbf) {
  return quint8(dbf[4]) | (quint8(dbf[5]) << 8) | (quint8(dbf[6]) << 16) | (quint8(dbf[7]) << 24);
}

TEST(DbfAppend, AddsToTheRecordsAndCountOfTheExistingTable) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("tabla.dbf"));
  const QString ini = dir.filePath(QStringLiteral("bravent.INI"));
  exportRecords(file, ini, 1, {QStringLiteral("A"), QStringLiteral("B")});
  const QByteArray first = readBytes(file);
  EXPECT_EQ(recordCount(first), 2);
  exportRecords(file, ini, 0, {QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E")});
  const QByteArray bytes = readBytes(file);
  EXPECT_EQ(recordCount(bytes), 5);
  EXPECT_EQ(bytes.size(), 129 + 5 * 41 + 1);
  EXPECT_EQ(bytes.count('\x1A'), 1);
  EXPECT_TRUE(bytes.endsWith('\x1A'));
  // The first export's records are where they were.
  EXPECT_EQ(bytes.left(first.size() - 1).mid(32), first.left(first.size() - 1).mid(32));

  const auto out = python({QStringLiteral("dbfread")}, QStringLiteral(R"PY(
import sys, dbfread
t = dbfread.DBF(sys.argv[1], encoding='cp1252')
print(','.join(r['CODIGO'] for r in t), len(t))
)PY"),
                          {file});
  if (!out) GTEST_SKIP() << "dbfread is not installed";
  EXPECT_EQ(*out, QStringLiteral("A,B,C,D,E 5"));
}

TEST(DbfAppend, ATableThatWasNeverClosedKeepsItsLastRecord) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("abierta.dbf"));
  const QString ini = dir.filePath(QStringLiteral("bravent.INI"));
  exportRecords(file, ini, 1, {QStringLiteral("A")});
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  ASSERT_TRUE(f.resize(f.size() - 1));  // no end-of-file byte
  f.close();
  exportRecords(file, ini, 0, {QStringLiteral("B")});
  const QByteArray bytes = readBytes(file);
  EXPECT_EQ(recordCount(bytes), 2);
  EXPECT_EQ(bytes.size(), 129 + 2 * 41 + 1);
  EXPECT_EQ(bytes.mid(129, 2), QByteArray(" A"));
  EXPECT_EQ(bytes.mid(129 + 41, 2), QByteArray(" B"));
}

TEST(DbfAppend, AppendingToAMissingFileMakesANewTable) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("nueva.dbf"));
  exportRecords(file, dir.filePath(QStringLiteral("bravent.INI")), 0, {QStringLiteral("A")});
  const QByteArray bytes = readBytes(file);
  ASSERT_EQ(bytes.size(), 129 + 41 + 1);
  EXPECT_EQ(bytes[0], 3);
  EXPECT_EQ(recordCount(bytes), 1);
}

}  // namespace
}  // namespace bv::test
