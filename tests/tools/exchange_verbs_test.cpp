// The verbs importa-planilla, copia-formulas and actualizar over the demo
// data: what they write, what they answer and their exit statuses.
#include "runtime/automation/workbook_automation.h"
#include "tests/tools/cli_fixture.h"

namespace bv::test {
namespace {

using namespace Qt::StringLiterals;

class ExchangeVerbsTest : public CliTest {
 protected:
  int count(const QString& table) { return int(csvRows(exportTable(table)).size()); }
  // The basics of line B7 that the demo's line 01 formulas need.
  void basicsB7() {
    QString csv = u"BAS:CODIGO,BAS:PESO_ESPECIFICO,BAS:MONEDA\n"_s;
    for (const char* c : {"BLANCO", "AMARILLO", "ROJO", "NEGRO", "AZUL", "VERDE"})
      csv += u"B7"_s + QString::fromLatin1(c) + u",1.5,D\n"_s;
    ASSERT_EQ(cli({u"tabla-importa"_s, u"Basicos"_s, file(u"b7.csv"_s, csv)}).status, 0);
  }
};

TEST_F(ExchangeVerbsTest, CopiaFormulasCopiesOnceAndRollsBackAFailure) {
  fillDemo();
  const int products = count(u"Terminado"_s);
  const int lines = count(u"Formula2"_s);
  CliResult r = cli({u"copia-formulas"_s, u"01"_s, u"07"_s, u"B7"_s});
  EXPECT_EQ(r.status, 1);  // no basic of line B7 yet
  EXPECT_TRUE(r.err.contains(u"No se pudo encontrar el basico"_s));
  EXPECT_EQ(count(u"Terminado"_s), products);
  EXPECT_EQ(count(u"Formula2"_s), lines);

  basicsB7();
  r = cli({u"copia-formulas"_s, u"01"_s, u"07"_s, u"B7"_s});
  ASSERT_EQ(r.status, 0);
  const QStringList made = r.out.trimmed().split(u',');
  ASSERT_EQ(made.size(), 2);
  EXPECT_GT(made[0].toInt(), 0);
  EXPECT_EQ(count(u"Terminado"_s), products + made[0].toInt());
  r = cli({u"copia-formulas"_s, u"01"_s, u"07"_s, u"B7"_s});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.trimmed(), u"0,0"_s);

  EXPECT_EQ(cli({u"copia-formulas"_s, u"01"_s, u"07"_s}).status, 2);
  r = cli({u"copia-formulas"_s, u" "_s, u"07"_s, u""_s});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.errLines().size(), 2);
}

TEST_F(ExchangeVerbsTest, ImportaPlanillaImportsAndReportsItsStatus) {
  fillDemo();
  WorkbookAutomation xl;
  xl.assign(u"Range(\"A3\").Value"_s, u"99NUEVO"_s);
  xl.assign(u"Range(\"B3\").Value"_s, u"Nuevo"_s);
  xl.assign(u"Range(\"D3\").Value"_s, u"90"_s);  // the demo's basic of column D
  xl.assign(u"Range(\"AM3\").Value"_s, u"1"_s);
  xl.assign(u"Range(\"AO3\").Value"_s, u"M"_s);
  const QString book = QDir(scratch.path()).filePath(u"libro.xlsx"_s);
  ASSERT_TRUE(xl.send(u"ActiveWorkbook.SaveAs(\"%1\")"_s.arg(book)));

  CliResult r = cli({u"importa-planilla"_s, book});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.err.contains(u"Proceso terminado correctamente / Cantidad de formulas procesadas 012"_s))
      << r.err.toStdString();
  EXPECT_TRUE(exportTable(u"Terminado"_s).contains(u"99NUEVO,Nuevo,1"_s));
  EXPECT_TRUE(exportTable(u"Formula1"_s).contains(u"99NUEVO"_s));

  r = cli({u"importa-planilla"_s, QDir(scratch.path()).filePath(u"no-existe.xlsx"_s)});
  EXPECT_EQ(r.status, 3);
  EXPECT_FALSE(r.err.contains(u"Proceso terminado"_s));
  EXPECT_EQ(cli({u"importa-planilla"_s}).status, 2);
}

TEST_F(ExchangeVerbsTest, ActualizarArchivesAndRaisesTheVersion) {
  fillDemo();
  const auto before = csvTable(exportTable(u"Versiones"_s));
  ASSERT_EQ(before.size(), 1u);
  const int version = before[0].value(u"VER:VERSION"_s).toInt();
  CliResult r = cli({u"actualizar"_s});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out.trimmed(), QString::number(version + 1));
  const auto after = csvTable(exportTable(u"Versiones"_s));
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(after[0].value(u"VER:FECHA"_s), u"2024-06-14"_s);
  EXPECT_TRUE(QFile::exists(QDir(data.path()).filePath(u"Actualizacion_Vantora_System.zip"_s)));

  // A folder where the archive goes: the archiver fails, the version stays.
  QFile::remove(QDir(data.path()).filePath(u"Actualizacion_Vantora_System.zip"_s));
  QDir(data.path()).mkdir(u"Actualizacion_Vantora_System.zip"_s);
  r = cli({u"actualizar"_s});
  EXPECT_EQ(r.status, 3);
  EXPECT_TRUE(r.err.contains(u"*.TPS"_s));
  EXPECT_EQ(csvTable(exportTable(u"Versiones"_s))[0].value(u"VER:VERSION"_s), QString::number(version + 1));
  EXPECT_EQ(cli({u"actualizar"_s, u"x"_s}).status, 2);
}

}  // namespace
}  // namespace bv::test
