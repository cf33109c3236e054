// tabla-importa: all rows or none, numbering, the messages of refused rows, and
// the round trip of every table.
#include "storage/dictionary/dictionary.h"
#include "tests/tools/cli_fixture.h"

namespace bv::test {
namespace {

class TableImportTest : public CliTest {
 protected:
  CliResult import(const char* table, const QString& csv) {
    return cli({"tabla-importa", table, file(QStringLiteral("filas.csv"), csv)});
  }
};

// Every table in an order in which each row finds the rows its rules look up.
const char* const kTables[] = {"Linea",    "Carta",    "Marca",    "TipoCli",  "Localidad", "Relacion",
                               "Dolar",    "Paramet",  "Versiones", "Basicos", "Terminado", "Clientes",
                               "Formula1", "Formula2", "Compra1",  "Compra2",  "Produc01",  "Produc02",
                               "Planilla", "Etiquetas"};

TEST_F(TableImportTest, RoundTripOfEveryTableGivesTheSameCsv) {
  fillDemo();
  QTemporaryDir copy;
  for (const char* table : kTables) {
    const QString before = exportTable(table);
    const CliResult r = cli(copy.path(), {"tabla-importa", table, file(QString::fromLatin1(table) + ".csv", before)});
    ASSERT_EQ(r.status, 0) << table;
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(exportTable(copy.path(), table), before) << table;
  }
  // Every table of the dictionary (the aliases share their base's file).
  int tables = 0;
  for (const TableDef* t : Dictionary::instance().tables()) tables += t->isAlias() ? 0 : 1;
  EXPECT_EQ(tables, static_cast<int>(std::size(kTables)));
}

TEST_F(TableImportTest, AutoNumbersZeroOrBlankKeepsGivenNumbers) {
  ASSERT_EQ(import("Carta", "CAR:CODIGO,CAR:DESCRIPCION\r\n7,Siete\r\n0,Ocho\r\n,Nueve\r\n3,Tres\r\n").status, 0);
  EXPECT_EQ(csvRows(exportTable("Carta")), (QStringList{"3,Tres", "7,Siete", "8,Ocho", "9,Nueve"}));
  // A missing column takes the cleared value: here the number, so it is numbered.
  ASSERT_EQ(import("Carta", "CAR:DESCRIPCION\nDiez\n").status, 0);
  EXPECT_EQ(csvRows(exportTable("Carta")).last(), "10,Diez");
}

TEST_F(TableImportTest, ADuplicateRollsBackEveryRow) {
  ASSERT_EQ(import("Carta", "CAR:CODIGO,CAR:DESCRIPCION\n1,Uno\n").status, 0);
  const CliResult r = import("Carta", "CAR:CODIGO,CAR:DESCRIPCION\n2,Dos\n0,Tres\n1,Otra vez uno\n4,Cuatro\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.errLines(), QStringList{"Error Clave Duplicada: Agregar este registro crea una clave duplicada para "
                                      "la clave: Por Codigo"});
  EXPECT_EQ(csvRows(exportTable("Carta")), QStringList{"1,Uno"});

  // A duplicate of a key that is not numbered is refused the same way.
  const CliResult twice = import("Relacion", "REL:CANTIDAD,REL:CODFINAL\n4,B\n4,X\n");
  EXPECT_EQ(twice.status, 1);
  EXPECT_EQ(twice.errLines().value(0).left(23), "Error Clave Duplicada: ");
  EXPECT_TRUE(csvRows(exportTable("Relacion")).isEmpty());
}

TEST_F(TableImportTest, FieldRulesAndRangesRefuseTheRowWithTheirMessage) {
  fillDemo();
  const QString before = exportTable("Terminado");
  const CliResult rule = import("Terminado",
                                "TER:CODIGO,TER:LINEA,TER:SISTEMA\n99NUEVO,1,M\n99OTRO,1,X\n");
  EXPECT_EQ(rule.status, 1);
  EXPECT_EQ(rule.errLines(), QStringList{"Error en Valor: El valor del campo TER:Sistema debe estar en esta "
                                         "lista : 'Mezcla','Entintado'."});
  const CliResult lookup = import("Terminado", "TER:CODIGO,TER:LINEA,TER:SISTEMA\n99NUEVO,98,M\n");
  EXPECT_EQ(lookup.status, 1);
  EXPECT_EQ(lookup.errLines(), QStringList{"Error en Contenido de campo: El valor de TER:Linea debe existir en "
                                           "tabla Linea."});
  EXPECT_EQ(exportTable("Terminado"), before);

  const CliResult range = import("Dolar", "DOL:FECHA,DOL:COTIZACION\n2024-07-01,1000\n");
  EXPECT_EQ(range.status, 1);
  EXPECT_EQ(range.errLines(), QStringList{"Error en Rango: El valor de DOL:Cotizacion debe ser menor que 999.9999."});
  const CliResult below = import("Linea", "LIN:CODIGO,LIN:MARGEN\n40,-1000\n");
  EXPECT_EQ(below.status, 1);
  EXPECT_EQ(below.errLines().value(0).left(16), "Error de Rango: ");

  // A text is never cut to its field.
  const CliResult longText = import("Relacion", "REL:CANTIDAD,REL:CODFINAL\n8,AB\n");
  EXPECT_EQ(longText.status, 1);
  EXPECT_EQ(longText.errLines(), QStringList{"Error en Rango: El texto de REL:Codfinal tiene 2 caracteres y el "
                                             "campo admite 1."});
  EXPECT_EQ(csvRows(exportTable("Relacion")).size(), 3);
}

TEST_F(TableImportTest, MalformedInputIsWrongUsageAndWritesNothing) {
  const struct {
    const char* table;
    const char* csv;
  } cases[] = {
      {"Basicos", "BAS:CODIGO,BAS:COSTO\nX1,12.5\nX2,\"12,5\"\n"},       // a comma for the point
      {"Dolar", "DOL:FECHA,DOL:COTIZACION\n14/06/2024,900\n"},           // not YYYY-MM-DD
      {"Dolar", "DOL:FECHA,DOL:COTIZACION\n2024-02-30,900\n"},           // no such day
      {"Basicos", "BAS:CODIGO,BAS:NADA\nX1,1\n"},                         // unknown column
      {"Basicos", "BAS:CODIGO,BAS:CODIGO\nX1,X1\n"},                      // a column twice
      {"Basicos", "BAS:CODIGO,BAS:COSTO\nX1\n"},                          // a field missing
      {"Basicos", "BAS:CODIGO,BAS:DESCRIPCION\nX1,\"sin cerrar\n"},       // an open quote
      {"Nada", "X\n1\n"},                                                 // unknown table
  };
  for (const auto& c : cases) {
    const CliResult r = import(c.table, QString::fromUtf8(c.csv));
    EXPECT_EQ(r.status, 2) << c.csv;
    EXPECT_EQ(r.errLines().size(), 1) << c.csv;
  }
  const CliResult unknown = import("Basicos", "BAS:CODIGO,BAS:NADA\nX1,1\n");
  EXPECT_TRUE(unknown.err.contains("columna desconocida")) << unknown.err.toStdString();
  EXPECT_TRUE(unknown.err.contains("BAS:NADA"));
  EXPECT_TRUE(csvRows(exportTable("Basicos")).isEmpty());

  EXPECT_EQ(cli({"tabla-importa", "Basicos"}).status, 2);
  EXPECT_EQ(cli({"tabla-importa", "Basicos", QDir(scratch.path()).filePath("no-existe.csv")}).status, 3);
}

TEST_F(TableImportTest, QuotedFieldsAndLetterCaseOfTheHeader) {
  const CliResult r = import("Localidad", "loc:descripcion,Loc:Codigo\r\n\"San Martín, \"\"Centro\"\"\",5\r\n");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(csvRows(exportTable("Localidad")), QStringList{"5,\"San Martín, \"\"Centro\"\"\""});

  // An array element is a column of its own; the others stay cleared.
  ASSERT_EQ(import("Planilla", "PLA:CODIGO,PLA:BASICO[3],PLA:PESOESP\n01ROJO,1.5,1.25\n").status, 0);
  const auto row = csvTable(exportTable("Planilla")).at(0);
  EXPECT_EQ(row["PLA:BASICO[3]"], "1.5000");
  EXPECT_EQ(row["PLA:BASICO[2]"], "0.0000");
  EXPECT_EQ(row["PLA:PESOESP"], "1.2500");
}

}  // namespace
}  // namespace bv::test
