// The built bravent-cli program: its exit statuses and what it writes where,
// as scripts see them.
#include <QCoreApplication>
#include <QProcess>

#include "tests/tools/cli_fixture.h"

namespace bv::test {
namespace {

struct ProgramRun {
  int status = -1;
  QString out;
  QString err;
};

class CliProcessTest : public testing::Test {
 protected:
  void SetUp() override {
    program_ = QCoreApplication::applicationDirPath() + "/bravent-cli";
    if (!QFile::exists(program_)) GTEST_SKIP() << "bravent-cli is not built";
  }
  ProgramRun run(const QStringList& arguments) {
    QProcess p;
    p.start(program_, arguments);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
  }
  QString dir() const { return data_.path(); }

 private:
  QString program_;
  QTemporaryDir data_;
};

TEST_F(CliProcessTest, HelpAndWrongUsage) {
  const ProgramRun help = run({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* verb : {"demo", "tabla-exporta", "tabla-importa", "tabla-borra", "tabla-cambia"})
    EXPECT_TRUE(help.out.contains(QString::fromLatin1(verb))) << verb;
  EXPECT_TRUE(help.err.isEmpty());
  const ProgramRun verbHelp = run({"demo", "--help"});
  EXPECT_EQ(verbHelp.status, 0);
  EXPECT_TRUE(verbHelp.out.startsWith("Uso: bravent-cli [-d CARPETA] demo"));

  EXPECT_EQ(run({"-d", dir(), "no-existe"}).status, 2);
  EXPECT_EQ(run({"-d"}).status, 2);
  EXPECT_EQ(run({}).status, 2);
}

TEST_F(CliProcessTest, DemoThenRefusedInputThenFailure) {
  const ProgramRun demo = run({"-d", dir(), "demo"});
  EXPECT_EQ(demo.status, 0);
  EXPECT_TRUE(demo.out.isEmpty());
  EXPECT_TRUE(demo.err.isEmpty()) << demo.err.toStdString();
  EXPECT_EQ(run({"-d", dir(), "demo"}).status, 1);

  const QString csv = QDir(dir()).filePath("dup.csv");
  QFile f(csv);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("LIN:CODIGO,LIN:DESCRIPCION\n40,Nueva\n33,Repetida\n");
  f.close();
  const ProgramRun dup = run({"-d", dir(), "tabla-importa", "Linea", csv});
  EXPECT_EQ(dup.status, 1);
  EXPECT_EQ(dup.err, "Error Clave Duplicada: Agregar este registro crea una clave duplicada para la clave: Por Codigo\n");
  const ProgramRun lines = run({"-d", dir(), "tabla-exporta", "Linea", "--filtro", "LIN:CODIGO = 40"});
  EXPECT_EQ(lines.status, 0);
  EXPECT_EQ(csvRows(lines.out).size(), 0);

  EXPECT_EQ(run({"-d", dir() + "/no-existe", "tabla-exporta", "Linea"}).status, 3);
  EXPECT_EQ(run({"-d", dir(), "tabla-exporta", "Linea", "--archivo", dir() + "/no/existe.csv"}).status, 3);
}

}  // namespace
}  // namespace bv::test
