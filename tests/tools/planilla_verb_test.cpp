// planilla: the formula spreadsheet of the demo data in every output type.
#include "tests/tools/cli_fixture.h"

namespace bv::test {
namespace {

class PlanillaVerbTest : public CliTest {
 protected:
  void SetUp() override { fillDemo(); }
  QString out(const char* name) const { return QDir(scratch.path()).filePath(QString::fromLatin1(name)); }
  static QByteArray bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

TEST_F(PlanillaVerbTest, DelimitedTextHasOneRowPerFormula) {
  const int formulas = int(csvRows(exportTable("Formula1")).size());
  ASSERT_GT(formulas, 0);
  const CliResult r = cli({"planilla", "--tipo", "1", "--archivo", out("p.csv")});
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(r.out.isEmpty());
  const QStringList lines = QString::fromLatin1(bytes(out("p.csv"))).split("\r\n", Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), formulas + 1);
  EXPECT_TRUE(lines[0].startsWith("\"Codigo\";\"Descripcion\";\"PesoEsp\";\"basico[1]\""));
  // The sheet is kept in Planilla too.
  EXPECT_EQ(csvRows(exportTable("Planilla")).size(), qsizetype(formulas));
}

TEST_F(PlanillaVerbTest, EveryOutputTypeWritesItsFile) {
  ASSERT_EQ(cli({"planilla", "--tipo", "2", "--archivo", out("p.xlsx")}).status, 0);
  EXPECT_TRUE(bytes(out("p.xlsx")).startsWith("PK"));
  ASSERT_EQ(cli({"planilla", "--tipo", "3", "--archivo", out("p.htm")}).status, 0);
  EXPECT_TRUE(bytes(out("p.htm")).contains("basico[22]"));
  ASSERT_EQ(cli({"planilla", "--tipo", "4", "--archivo", out("p.dbf")}).status, 0);
  EXPECT_FALSE(bytes(out("p.dbf")).isEmpty());
  ASSERT_EQ(cli({"planilla", "--tipo", "5", "--archivo", out("p.rtf")}).status, 0);
  EXPECT_TRUE(bytes(out("p.rtf")).startsWith("{\\rtf"));
  // The printer output: its pages as a PDF file.
  ASSERT_EQ(cli({"planilla", "--tipo", "10", "--archivo", out("p.pdf")}).status, 0);
  EXPECT_TRUE(bytes(out("p.pdf")).startsWith("%PDF"));
}

TEST_F(PlanillaVerbTest, WrongUsageAndUnwritableFiles) {
  EXPECT_EQ(cli({"planilla", "--tipo", "7", "--archivo", out("x")}).status, 2);
  EXPECT_EQ(cli({"planilla", "--tipo", "1"}).status, 2);
  EXPECT_EQ(cli({"planilla", "--archivo", out("x")}).status, 2);
  const CliResult r = cli({"planilla", "--tipo", "1", "--archivo", out("falta/x.csv")});
  EXPECT_EQ(r.status, 3);
  ASSERT_FALSE(r.errLines().isEmpty());
  EXPECT_TRUE(r.errLines()[0].startsWith("Error: Ocurrio un error al acceder al archivo:"));
}

}  // namespace
}  // namespace bv::test
