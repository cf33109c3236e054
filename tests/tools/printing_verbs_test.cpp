// etiquetas, listado-formulas, listado-terminados: the pages read back from
// the PDF with pdftotext, the arguments checked before anything is opened,
// and "nothing to print" told apart from success.
#include <QProcess>
#include <QStandardPaths>

#include "tests/tools/cli_fixture.h"

using namespace Qt::StringLiterals;

namespace bv::test {
namespace {

class PrintingVerbsTest : public CliTest {
 protected:
  void SetUp() override {
    importRows(u"Linea"_s, u"LIN:CODIGO,LIN:DESCRIPCION\r\n1,Interior\r\n2,Exterior\r\n"_s);
    importRows(u"Carta"_s, u"CAR:CODIGO,CAR:DESCRIPCION\r\n1,Pasteles\r\n2,Intensos\r\n"_s);
    importRows(u"Marca"_s, u"MAR:CODIGO,MAR:DESCRIPCION\r\n1,Propia\r\n"_s);
    importRows(u"Clientes"_s, u"CLI:CODIGO,CLI:NOMBRE\r\n4,Pinturería Sur\r\n"_s);
    importRows(u"Terminado"_s,
               u"TER:CODIGO,TER:DESCRIPCION,TER:LINEA,TER:CARTA,TER:MARCA,TER:SISTEMA\r\n"
               "AZUL,Látex Azul,1,2,1,M\r\nBLANCO,Látex Blanco,2,1,1,M\r\n"_s);
    importRows(u"Formula1"_s,
               u"FOR1:CODIGO_FORMULA,FOR1:CODIGO_TERMINADO,FOR1:CANTIDAD,FOR1:MODIFICABLE\r\n3,BLANCO,10,S\r\n"
               "4,AZUL,20,S\r\n"_s);
    importRows(u"Produc01"_s,
               u"PRO1:CODIGO,PRO1:CODIGO_TERMINADO,PRO1:LINEA,PRO1:CLIENTE,PRO1:ESTADO,PRO1:CANTIDAD_ETIQUETAS,"
               "PRO1:MARCA\r\n1,AZUL,1,4,P,2,I\r\n2,BLANCO,2,4,P,1,\r\n3,BLANCO,2,4,P,0,I\r\n"_s);
  }
  void importRows(const QString& table, const QString& csv) {
    const CliResult r = cli({u"tabla-importa"_s, table, file(table + u".csv"_s, csv)});
    ASSERT_EQ(r.status, 0) << table.toStdString();
  }
  QString out(const QString& name) const { return QDir(scratch.path()).filePath(name); }
  // The pages' non-empty lines, blanks made single.
  static QStringList pdfLines(const QString& pdf) {
    QProcess p;
    p.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
    p.waitForFinished(20000);
    QStringList lines;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
      if (!line.simplified().isEmpty()) lines << line.simplified();
    return lines;
  }
  static bool havePdfText() { return !QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty(); }
};

TEST_F(PrintingVerbsTest, LabelsOfTheMarkedOrdersFromTheGivenRowAndColumn) {
  const CliResult r = cli({u"etiquetas"_s, u"--fila"_s, u"2"_s, u"--columna"_s, u"2"_s, u"--pdf"_s, out(u"e.pdf"_s)});
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(r.out.isEmpty());
  // The work table is kept in the data directory.
  EXPECT_TRUE(QFile::exists(QDir(data.path()).filePath(u"Etiquetas.tps"_s)));
  if (!havePdfText()) GTEST_SKIP() << "pdftotext missing";
  // Row 1 blank; row 2: the first label at the right; row 3: two more.
  EXPECT_EQ(pdfLines(out(u"e.pdf"_s)), (QStringList{u"Látex Azul - AZUL"_s, u"Interior"_s, u"Pinturería Sur"_s,
                                                    u"Látex Azul - AZUL Látex Blanco - BLANCO"_s,
                                                    u"Interior Exterior"_s, u"Pinturería Sur Pinturería Sur"_s}));
}

TEST_F(PrintingVerbsTest, TheStartPositionAndThePdfAreCheckedBeforeAnythingIsPrinted) {
  const QString pdf = out(u"e.pdf"_s);
  EXPECT_EQ(cli({u"etiquetas"_s, u"--fila"_s, u"9"_s, u"--columna"_s, u"1"_s, u"--pdf"_s, pdf}).status, 2);
  EXPECT_EQ(cli({u"etiquetas"_s, u"--fila"_s, u"1"_s, u"--columna"_s, u"3"_s, u"--pdf"_s, pdf}).status, 2);
  EXPECT_EQ(cli({u"etiquetas"_s, u"--fila"_s, u"1.5"_s, u"--columna"_s, u"1"_s, u"--pdf"_s, pdf}).status, 2);
  EXPECT_EQ(cli({u"etiquetas"_s, u"--fila"_s, u"1"_s, u"--columna"_s, u"1"_s}).status, 2);
  EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintingVerbsTest, TheFormulaListingAndAnEmptyRangeThatPrintsNothing) {
  const QString pdf = out(u"f.pdf"_s);
  ASSERT_EQ(cli({u"listado-formulas"_s, u"--desde"_s, u"A"_s, u"--hasta"_s, u"Z"_s, u"--pdf"_s, pdf}).status, 0);
  if (havePdfText()) {
    const QStringList lines = pdfLines(pdf);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[2], u"00004 AZUL Látex Azul 20.000 0.0000 S"_s);
    EXPECT_EQ(lines[3], u"00003 BLANCO Látex Blanco 10.000 0.0000 S"_s);
  }
  // An empty upper bound lists nothing: no file, status 1 and the message.
  const CliResult r = cli({u"listado-formulas"_s, u"--desde"_s, u"A"_s, u"--hasta"_s, u""_s, u"--pdf"_s, pdf});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.errLines(), QStringList{u"No hay Registros: No hay registros disponibles para procesar."_s});
  EXPECT_FALSE(QFile::exists(pdf));
  EXPECT_EQ(cli({u"listado-formulas"_s, u"--desde"_s, u"ABCDEFGHIJK"_s, u"--hasta"_s, u"Z"_s, u"--pdf"_s, pdf}).status,
            2);
}

TEST_F(PrintingVerbsTest, TheProductListingBoundsDefaultToZeroAndTheOrderIsChosen) {
  const QString pdf = out(u"t.pdf"_s);
  auto listed = [&](QStringList extra) {
    QStringList args{u"listado-terminados"_s, u"--desde"_s, u"A"_s, u"--hasta"_s, u"Z"_s, u"--pdf"_s, pdf};
    args << extra;
    const CliResult r = cli(args);
    EXPECT_EQ(r.status, 0);
    QStringList codes;
    for (const QString& line : pdfLines(pdf).mid(3)) codes << line.section(u' ', 0, 0);
    return codes;
  };
  if (!havePdfText()) GTEST_SKIP() << "pdftotext missing";
  // Without bounds of line, chart and brand only 0s are listed: here none.
  EXPECT_EQ(cli({u"listado-terminados"_s, u"--desde"_s, u"A"_s, u"--hasta"_s, u"Z"_s, u"--pdf"_s, pdf}).status, 1);
  const QStringList bounds{u"--lineas"_s, u"1"_s, u"2"_s, u"--cartas"_s, u"1"_s, u"2"_s, u"--marcas"_s, u"0"_s, u"1"_s};
  EXPECT_EQ(listed(bounds), (QStringList{u"AZUL"_s, u"BLANCO"_s}));
  EXPECT_EQ(listed(bounds + QStringList{u"--orden"_s, u"4"_s}), (QStringList{u"BLANCO"_s, u"AZUL"_s}));
  EXPECT_EQ(cli({u"listado-terminados"_s, u"--desde"_s, u"A"_s, u"--hasta"_s, u"Z"_s, u"--orden"_s, u"6"_s,
                 u"--pdf"_s, pdf})
                .status,
            2);
  EXPECT_EQ(cli({u"listado-terminados"_s, u"--desde"_s, u"A"_s, u"--hasta"_s, u"Z"_s, u"--lineas"_s, u"1"_s,
                 u"--pdf"_s, pdf})
                .status,
            2);
}

}  // namespace
}  // namespace bv::test
