// Bad input gets a short, one-line message and is refused before it is stored:
// huge values are quoted cut, control characters never enter a text of one
// line, and an auto-numbered code is never negative.
#include "tests/tools/cli_fixture.h"

namespace bv::test {
namespace {

class InputLimitsTest : public CliTest {
 protected:
  CliResult import(const char* table, const QByteArray& csv) {
    const QString path = QDir(scratch.path()).filePath("filas.csv");
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(csv);
    f.close();
    return cli({"tabla-importa", table, path});
  }
};

TEST_F(InputLimitsTest, HugeValuesAreQuotedCutOnOneLine) {
  const CliResult number = import("Carta", "CAR:CODIGO,CAR:DESCRIPCION\r\n" + QByteArray(1 << 20, '7') + "x,Uno\r\n");
  EXPECT_EQ(number.status, 2);
  ASSERT_EQ(number.errLines().size(), 1);
  EXPECT_LT(number.err.size(), 400) << number.err.left(400).toStdString();
  EXPECT_TRUE(number.err.contains("(1048577 caracteres)")) << number.err.left(400).toStdString();

  const CliResult nul = import("Carta", QByteArray(1 << 20, '\0'));
  EXPECT_NE(nul.status, 0);
  ASSERT_EQ(nul.errLines().size(), 1);
  EXPECT_LT(nul.err.size(), 400) << nul.err.left(400).toStdString();
  EXPECT_FALSE(nul.err.contains(QChar(0)));
}

TEST_F(InputLimitsTest, ControlCharactersAreRefusedInTextsOfOneLine) {
  for (const QByteArray& description : {QByteArray("\"dos\nlineas\""), QByteArray("con\0nul", 7)}) {
    const CliResult r = import("Carta", "CAR:CODIGO,CAR:DESCRIPCION\r\n1," + description + "\r\n");
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.errLines().size(), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith("Error en Valor: El texto de ")) << r.err.toStdString();
    EXPECT_TRUE(csvRows(exportTable("Carta")).isEmpty());
  }
  const CliResult changed = cli({"tabla-cambia", "Carta", "CAR:CODIGO=1", "--pon", "CAR:DESCRIPCION=a\tb"});
  EXPECT_NE(changed.status, 0);
}

TEST_F(InputLimitsTest, ANegativeAutoNumberIsRefused) {
  const CliResult r = import("Carta", "CAR:CODIGO,CAR:DESCRIPCION\r\n-5,Negativa\r\n");
  EXPECT_EQ(r.status, 1);
  ASSERT_EQ(r.errLines().size(), 1);
  EXPECT_TRUE(r.err.startsWith("Error de Rango: ")) << r.err.toStdString();
  EXPECT_TRUE(r.err.contains("-1")) << r.err.toStdString();
  EXPECT_TRUE(csvRows(exportTable("Carta")).isEmpty());
}

}  // namespace
}  // namespace bv::test
