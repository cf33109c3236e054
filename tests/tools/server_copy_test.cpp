// The copies of a data directory's tables to the database server and back,
// which run only with the tests' throwaway server.
#include <QDir>
#include <QFile>
#include <QProcess>

#include "storage/filelayer/table_copy.h"
#include "tests/support/test_layer.h"
#include "tests/tools/cli_fixture.h"

namespace bv::test {

using namespace Qt::StringLiterals;
namespace {

class ServerCopy : public CliTest {
 protected:
  // Points the data directory at its own schema on the test server.
  void pointAtServer(const QString& dir) {
    QFile ini(QDir(dir).filePath(u"bravent.INI"_s));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(("[Servidor]\r\nConexion=" + testConnectionOf(dir) + "\r\n").toUtf8());
  }
  QHash<QString, QString> exportAll(const QString& dir) {
    QHash<QString, QString> out;
    for (const TableDef* t : TableCopy::dataTables()) out.insert(t->label, exportTable(dir, t->label));
    return out;
  }
};

TEST_F(ServerCopy, ARoundTripKeepsEveryTableAsItWasAndNeverCopiesOverData) {
  fillDemo();
  const QHash<QString, QString> before = exportAll(data.path());
  ASSERT_FALSE(before.value(u"Basicos"_s).isEmpty());
  pointAtServer(data.path());

  ASSERT_EQ(cli({u"copia-a-servidor"_s}).status, 0);
  // The directory now reads its tables from the server.
  const QHash<QString, QString> onServer = exportAll(data.path());
  for (auto it = before.begin(); it != before.end(); ++it)
    EXPECT_EQ(onServer.value(it.key()).toStdString(), it.value().toStdString()) << it.key().toStdString();
  // A second copy would mix two sets of records.
  const CliResult again = cli({u"copia-a-servidor"_s});
  EXPECT_EQ(again.status, 1);
  EXPECT_TRUE(again.err.contains(u"ya contiene registros"_s)) << again.err.toStdString();

  const QString back = QDir(scratch.path()).filePath(u"vuelta"_s);
  ASSERT_EQ(cli({u"copia-de-servidor"_s, back}).status, 0);
  const QHash<QString, QString> after = exportAll(back);
  for (auto it = before.begin(); it != before.end(); ++it)
    EXPECT_EQ(after.value(it.key()).toStdString(), it.value().toStdString()) << it.key().toStdString();
  EXPECT_EQ(cli({u"copia-de-servidor"_s, back}).status, 1);
}

TEST_F(ServerCopy, TheUpdateArchiveOfADirectoryOnTheServerHoldsItsTables) {
  fillDemo();
  pointAtServer(data.path());
  ASSERT_EQ(cli({u"copia-a-servidor"_s}).status, 0);
  // Only the server holds the tables now.
  QDir dir(data.path());
  for (const QString& f : dir.entryList({u"*.tps"_s, u"*.TPS"_s}, QDir::Files)) ASSERT_TRUE(dir.remove(f));
  const CliResult r = cli({u"actualizar"_s});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  QProcess list;
  list.start(u"python3"_s, {u"-m"_s, u"zipfile"_s, u"-l"_s, dir.filePath(u"Actualizacion_Vantora_System.zip"_s)});
  ASSERT_TRUE(list.waitForFinished(60000));
  const QString names = QString::fromUtf8(list.readAllStandardOutput());
  for (const char* file : {"Basicos.tps", "Formula1.tps", "PRODUC01.TPS", "bravent"})
    EXPECT_TRUE(names.contains(QString::fromLatin1(file), Qt::CaseInsensitive)) << file << names.toStdString();
  // Nothing was left behind as files in the directory.
  EXPECT_TRUE(dir.entryList({u"*.tps"_s, u"*.TPS"_s}, QDir::Files).isEmpty());
}

TEST_F(ServerCopy, ADirectoryThatNamesNoServerIsRefused) {
  fillDemo();
  const CliResult r = cli({u"copia-a-servidor"_s});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.contains(u"no nombra un servidor"_s)) << r.err.toStdString();
  EXPECT_EQ(cli({u"copia-de-servidor"_s}).status, 2);
}

}  // namespace
}  // namespace bv::test
