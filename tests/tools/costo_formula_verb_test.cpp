// costo-formula: the cost sheet of a demo formula written as a PDF, read back
// with pdftotext in reading order; a formula that does not exist; wrong usage.
#include <QProcess>
#include <QStandardPaths>

#include "production/costing/line_cost.h"
#include "runtime/picture.h"
#include "tests/tools/cli_fixture.h"

using namespace Qt::StringLiterals;

namespace bv::test {
namespace {

class CostoFormulaVerbTest : public CliTest {
 protected:
  void SetUp() override { fillDemo(); }
  QString out(const char* name) const { return QDir(scratch.path()).filePath(QString::fromLatin1(name)); }

  static QString shown(const char* picture, const Decimal& value) {
    return Picture::parse(QString::fromLatin1(picture))->format(value).trimmed();
  }
  static Decimal number(const QString& text) { return *Decimal::parse(text); }

  // The dollar rate of today from the demo's rates, 1 when none is that early.
  Decimal todaysRate() {
    Decimal rate(1);
    Date best;
    for (const auto& row : csvTable(exportTable(u"Dolar"_s))) {
      const Date date = *Date::fromIso(row[u"DOL:FECHA"_s]);
      if (date <= today() && date > best) {
        best = date;
        rate = number(row[u"DOL:COTIZACION"_s]);
      }
    }
    return rate.rounded(4);
  }
};

// The text of a PDF laid out as its pages show it; empty without pdftotext.
QString pdfText(const QString& pdf) {
  if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) return {};
  QProcess p;
  p.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
  p.waitForFinished(20000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(CostoFormulaVerbTest, TheSheetShowsHeadingLinesAndTotalsInReadingOrder) {
  const CliResult r = cli({u"costo-formula"_s, u"4"_s, u"--pdf"_s, out("costo.pdf")});
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_TRUE(r.err.isEmpty());
  QFile pdf(out("costo.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
  const QString text = pdfText(out("costo.pdf"));
  if (text.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";

  // What the sheet must show, from the demo's own tables.
  const Decimal rate = todaysRate();
  QHash<QString, BasicCostTerms> basics;
  QHash<QString, QString> names;
  for (const auto& row : csvTable(exportTable(u"Basicos"_s))) {
    BasicCostTerms t;
    t.cost = number(row[u"BAS:COSTO"_s]);
    t.inDollars = row[u"BAS:MONEDA"_s] == u"D"_s;
    t.unitsPerCan = number(row[u"BAS:UNIDAD_POR_LATA"_s]);
    for (int i = 0; i < 4; ++i) t.discounts[std::size_t(i)] = number(row[u"BAS:BONIFICACION%1"_s.arg(i + 1)]);
    basics.insert(row[u"BAS:CODIGO"_s], t);
    names.insert(row[u"BAS:CODIGO"_s], row[u"BAS:DESCRIPCION"_s]);
  }
  QStringList expected = {u"Cotización del dolar:"_s, shown("n8.4", rate), u"Formula de Produccion"_s,
                          u"Código:"_s, u"0000000004"_s, u"Componentes:"_s, u"Costo"_s};
  Decimal totalQuantity, totalCost;
  int lines = 0;
  for (const auto& row : csvTable(exportTable(u"Formula2"_s))) {
    if (row[u"FOR2:CODIGO_FORMULA"_s] != u"4"_s) continue;
    const QString code = row[u"FOR2:CODIGO_BASICO"_s];
    const Decimal quantity = number(row[u"FOR2:CANTIDAD"_s]);
    const Decimal cost = lineCost(basics[code], rate, quantity);
    ASSERT_FALSE(cost.isZero()) << code.toStdString();
    expected << code << names[code] << shown("n9.4", quantity) << shown("n-14.2", cost);
    totalQuantity += quantity;
    totalCost += cost;
    ++lines;
  }
  ASSERT_EQ(lines, 4);
  expected << u"Totales:"_s << shown("n10.4", totalQuantity) << shown("n-14.2", totalCost);

  qsizetype at = 0;
  for (const QString& piece : expected) {
    const qsizetype found = text.indexOf(piece, at);
    ASSERT_GE(found, 0) << "not found in order: " << piece.toStdString() << "\n" << text.toStdString();
    at = found + piece.size();
  }
}

TEST_F(CostoFormulaVerbTest, AFormulaThatDoesNotExistIsRefusedWithOneLine) {
  const CliResult r = cli({u"costo-formula"_s, u"999"_s, u"--pdf"_s, out("nada.pdf")});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.out.isEmpty());
  ASSERT_EQ(r.errLines().size(), 1);
  EXPECT_TRUE(r.errLines()[0].startsWith(u"No hay Registros: "_s)) << r.err.toStdString();
  EXPECT_FALSE(QFile::exists(out("nada.pdf")));
}

TEST_F(CostoFormulaVerbTest, WrongUsage) {
  EXPECT_EQ(cli({u"costo-formula"_s, u"4"_s}).status, 2);
  EXPECT_EQ(cli({u"costo-formula"_s, u"--pdf"_s, out("x.pdf")}).status, 2);
  EXPECT_EQ(cli({u"costo-formula"_s, u"cuatro"_s, u"--pdf"_s, out("x.pdf")}).status, 2);
  EXPECT_EQ(cli({u"costo-formula"_s, u"4.5"_s, u"--pdf"_s, out("x.pdf")}).status, 2);
  EXPECT_EQ(cli({u"costo-formula"_s, u"4"_s, u"5"_s, u"--pdf"_s, out("x.pdf")}).status, 2);
}

}  // namespace
}  // namespace bv::test
