// tabla-exporta: the CSV form, the order of a key, the filter, the file.
#include "tests/tools/cli_fixture.h"

namespace bv::test {
namespace {

class TableExportTest : public CliTest {
 protected:
  void SetUp() override { fillDemo(); }
};

TEST_F(TableExportTest, WritesHeaderAndValuesInTheCsvForm) {
  const CliResult r = cli({"tabla-exporta", "Basicos"});
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(r.err.isEmpty());
  EXPECT_TRUE(r.out.startsWith(
      "BAS:CODIGO,BAS:DESCRIPCION,BAS:PESO_ESPECIFICO,BAS:COSTO,BAS:UNIDAD_POR_LATA,BAS:MONEDA,BAS:BONIFICACION1,"
      "BAS:BONIFICACION2,BAS:BONIFICACION3,BAS:BONIFICACION4,BAS:STOCK_RELATIVO,BAS:MARGENUTILIDAD,"
      "BAS:COLUMNA_EN_EXCEL,BAS:FICHA_TECNICA\r\n"));
  // Primary key order; decimals with exactly their places; a memo with a line
  // break is quoted and kept whole.
  EXPECT_TRUE(r.out.contains("\r\n01AMARILLO,Entonador Amarillo Óxido,1.6500,42.80,4,D,10.00,5.00,0.00,0.00,10,30.00,G,\r\n"));
  EXPECT_TRUE(r.out.contains(",D,\"Dióxido de titanio rutilo en dispersión acuosa.\nRendimiento: 10 a 12 m² por"));
  EXPECT_TRUE(r.out.contains("\"Relación de mezcla 3 a 1 con el catalizador \"\"1002\"\".\"\r\n"));
}

TEST_F(TableExportTest, ArrayColumnsDatesAndTablesWithoutKey) {
  const QString planilla = exportTable("Planilla");
  EXPECT_TRUE(planilla.startsWith("PLA:CODIGO,PLA:DESCRIPCION,PLA:PESOESP,PLA:BASICO[1],PLA:BASICO[2]"));
  EXPECT_TRUE(planilla.contains("PLA:BASICO[25]\r\n"));
  EXPECT_TRUE(csvRows(planilla).isEmpty());

  const auto version = csvTable(exportTable("Versiones"));
  ASSERT_EQ(version.size(), 1u);
  EXPECT_EQ(version[0]["VER:FECHA"], "2024-06-14");
  EXPECT_EQ(version[0]["VER:ADMINISTADOR"], "");
}

TEST_F(TableExportTest, OrderOfAKeyFilterAndAlias) {
  const CliResult r = cli({"tabla-exporta", "A_Basicos", "--clave", "A_BAS:KEYDES", "--filtro",
                           "A_BAS:MONEDA = 'P' AND A_BAS:UNIDAD_POR_LATA = 4"});
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(r.out.startsWith("A_BAS:CODIGO,"));
  QStringList descriptions;
  for (const auto& row : csvTable(r.out)) descriptions << row["A_BAS:DESCRIPCION"];
  EXPECT_EQ(descriptions, (QStringList{"Base Impregnante Incolora", "Entonador Amarillo Económico",
                                       "Entonador Azul Económico", "Entonador Negro Económico",
                                       "Entonador Rojo Económico", "Entonador Verde Económico"}));
}

TEST_F(TableExportTest, WritesToAFileAndOnlyThere) {
  const QString path = QDir(scratch.path()).filePath("lineas.csv");
  const CliResult r = cli({"tabla-exporta", "Linea", "--archivo", path});
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(r.out.isEmpty());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(f.readAll()), exportTable("Linea"));

  const CliResult bad = cli({"tabla-exporta", "Linea", "--archivo", QDir(scratch.path()).filePath("no/existe.csv")});
  EXPECT_EQ(bad.status, 3);
  EXPECT_TRUE(bad.err.startsWith("Error de Escritura: "));
}

TEST_F(TableExportTest, WrongUsageIsStatusTwo) {
  for (const QStringList& args : {QStringList{"tabla-exporta"}, QStringList{"tabla-exporta", "Nada"},
                                  QStringList{"tabla-exporta", "Linea", "--clave", "BAS:KEYCOD"},
                                  QStringList{"tabla-exporta", "Linea", "--filtro", "LIN:NADA = 1"},
                                  QStringList{"tabla-exporta", "Linea", "--filtro"},
                                  QStringList{"tabla-exporta", "Linea", "--orden", "x"},
                                  QStringList{"tabla-exporta", "Linea", "Carta"}}) {
    const CliResult r = cli(args);
    EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
    EXPECT_EQ(r.errLines().size(), 1);
    EXPECT_TRUE(r.out.isEmpty());
  }
}

}  // namespace
}  // namespace bv::test
