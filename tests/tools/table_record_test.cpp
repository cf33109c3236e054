// tabla-borra and tabla-cambia: the record found by its key, changed or deleted
// with referential integrity.
#include "tests/tools/cli_fixture.h"

namespace bv::test {
namespace {

class TableRecordTest : public CliTest {
 protected:
  void SetUp() override { fillDemo(); }
  int count(const char* table, const QString& filter) {
    return static_cast<int>(csvRows(cli({"tabla-exporta", table, "--filtro", filter}).out).size());
  }
};

TEST_F(TableRecordTest, DeleteCascadesToTheLinesOfAFormula) {
  const int lines = count("Formula2", "FOR2:CODIGO_FORMULA = 2");
  ASSERT_GT(lines, 0);
  const CliResult r = cli({"tabla-borra", "Formula1", "FOR1:CODIGO_TERMINADO=01MARFIL"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.errLines(), QStringList{"Confirmar Borrado: ¿ Está seguro que desea eliminar el registro seleccionado?"});
  EXPECT_EQ(count("Formula1", "FOR1:CODIGO_TERMINADO = '01MARFIL'"), 0);
  EXPECT_EQ(count("Formula2", "FOR2:CODIGO_FORMULA = 2"), 0);
}

TEST_F(TableRecordTest, RestrictRuleRefusesTheDeleteAndNeverAsksAgain) {
  const QString before = exportTable("Terminado");
  const CliResult r = cli({"tabla-borra", "Terminado", "TER:CODIGO=01MARFIL"});
  EXPECT_EQ(r.status, 1);
  ASSERT_EQ(r.errLines().size(), 3);
  EXPECT_EQ(r.errLines()[1], "Error de Integridad Referencial (Borrado): Este registro esta siendo referenciado "
                             "desde la tabla Produc01. Este registro no puede ser eliminado mientras exista esta "
                             "referencia.");
  EXPECT_TRUE(r.errLines()[2].startsWith("Error en Borrar Registro: "));
  EXPECT_EQ(exportTable("Terminado"), before);
}

TEST_F(TableRecordTest, ChangeCascadesAKeyAndChecksRangesAndRules) {
  const CliResult moved = cli({"tabla-cambia", "Linea", "LIN:CODIGO=7", "--pon", "LIN:CODIGO=8", "LIN:MARGEN=31.5"});
  EXPECT_EQ(moved.status, 0);
  EXPECT_TRUE(moved.err.isEmpty());
  EXPECT_EQ(count("Terminado", "TER:LINEA = 7"), 0);
  EXPECT_EQ(count("Terminado", "TER:LINEA = 8"), 3);
  EXPECT_EQ(csvTable(cli({"tabla-exporta", "Linea", "--filtro", "LIN:CODIGO = 8"}).out).at(0)["LIN:MARGEN"], "31.50");

  const CliResult range = cli({"tabla-cambia", "Linea", "LIN:CODIGO=8", "--pon", "LIN:MARGEN=1000"});
  EXPECT_EQ(range.status, 1);
  EXPECT_EQ(range.errLines(), QStringList{"Error en Rango: El valor de LIN:Margen debe ser menor que 999.99."});

  const CliResult rule = cli({"tabla-cambia", "Terminado", "TER:CODIGO=07BLANCO", "--pon", "TER:LINEA=99"});
  EXPECT_EQ(rule.status, 1);
  EXPECT_EQ(rule.errLines(), QStringList{"Error en Contenido de campo: El valor de TER:Linea debe existir en tabla Linea."});
  EXPECT_EQ(count("Terminado", "TER:LINEA = 99"), 0);

  // A unique key of another record refuses the change.
  const CliResult dup = cli({"tabla-cambia", "Relacion", "REL:CANTIDAD=4", "--pon", "REL:CANTIDAD=20"});
  EXPECT_EQ(dup.status, 1);
  EXPECT_EQ(dup.errLines().size(), 1);
}

TEST_F(TableRecordTest, ARecordNotFoundIsOneLineAndStatusOne) {
  for (const QStringList& args : {QStringList{"tabla-borra", "Basicos", "BAS:CODIGO=NOHAY"},
                                  QStringList{"tabla-cambia", "Compra1", "COM1:TIPO_DE_COMPROBANTE=RE",
                                              "COM1:COMPROBANTE=9", "--pon", "COM1:OBSERVACIONES=x"}}) {
    const CliResult r = cli(args);
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.errLines().size(), 1);
    EXPECT_TRUE(r.err.startsWith("Registro no encontrado: No hay en la tabla ")) << r.err.toStdString();
  }
}

TEST_F(TableRecordTest, TheKeyMustBeGivenWholeAndWellFormed) {
  for (const QStringList& args :
       {QStringList{"tabla-borra", "Compra1", "COM1:COMPROBANTE=1450"},                  // half of the key
        QStringList{"tabla-borra", "Basicos", "BAS:DESCRIPCION=x"},                      // not the key
        QStringList{"tabla-borra", "Paramet", "PAR:MODIFICAFORMULAS=S"},                 // no key at all
        QStringList{"tabla-borra", "Dolar", "DOL:FECHA=14/06/2024"},                     // malformed date
        QStringList{"tabla-borra", "Basicos", "BAS:CODIGO"},                             // no "="
        QStringList{"tabla-cambia", "Linea", "LIN:CODIGO=1", "LIN:MARGEN=2"},            // no --pon
        QStringList{"tabla-cambia", "Linea", "LIN:CODIGO=1", "--pon"},                   // nothing to put
        QStringList{"tabla-cambia", "Linea", "LIN:CODIGO=1", "--pon", "LIN:MARGEN=12,5"}}) {
    const CliResult r = cli(args);
    EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
    EXPECT_EQ(r.errLines().size(), 1);
  }
  EXPECT_EQ(csvRows(exportTable("Compra1")).size(), 3);
}

}  // namespace
}  // namespace bv::test
