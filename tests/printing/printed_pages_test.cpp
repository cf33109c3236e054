// The printed pages read back from the PDF: the listings' texts line by line
// in reading order, and each label's text inside its rectangle of the sheet.
#include <QRegularExpression>

#include "printing/labels/label_fill.h"
#include "printing/labels/label_report.h"
#include "printing/listings/formula_listing.h"
#include "printing/listings/product_listing.h"
#include "tests/printing/printing_fixture.h"
#include "tests/report/pdf_probe.h"

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

struct Word {
  QString text;
  QRectF box;  // points, from the page's top left
  int page = 0;
};

// The words of a PDF with their boxes, as pdftotext's bounding-box output
// gives them.
std::vector<Word> pdfWords(const QString& html) {
  static const QRegularExpression pageTag(u"<page "_s);
  static const QRegularExpression word(
      uR"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re"_s);
  std::vector<Word> out;
  int page = 0;
  qsizetype at = 0;
  for (;;) {
    const auto nextPage = pageTag.match(html, at);
    const auto nextWord = word.match(html, at);
    if (!nextWord.hasMatch()) break;
    if (nextPage.hasMatch() && nextPage.capturedStart() < nextWord.capturedStart()) {
      ++page;
      at = nextPage.capturedEnd();
      continue;
    }
    const double x0 = nextWord.captured(1).toDouble(), y0 = nextWord.captured(2).toDouble();
    const double x1 = nextWord.captured(3).toDouble(), y1 = nextWord.captured(4).toDouble();
    out.push_back({nextWord.captured(5), QRectF(QPointF(x0, y0), QPointF(x1, y1)), page});
    at = nextWord.capturedEnd();
  }
  return out;
}

// A rectangle in thousandths of an inch, in points.
QRectF inPoints(const QRect& r) {
  return {r.x() * 0.072, r.y() * 0.072, r.width() * 0.072, r.height() * 0.072};
}

class PrintedPagesTest : public PrintingTest {};

TEST_F(PrintedPagesTest, EachLabelsTextLiesInsideItsRectangleOfTheSheet) {
  if (!havePdfText()) GTEST_SKIP() << "pdftotext missing";
  product("ROJO1", u"Esmalte Rojo"_s);
  product("AZUL2", u"Latex Azul"_s);
  codeRecord("Linea", "LIN", 4, u"Obra"_s);
  customer(5, u"Ferreteria Norte"_s);
  customer(6, u"Corralon Oeste"_s);
  order(1, "ROJO1", 4, 5, 1, true);
  order(2, "AZUL2", 4, 6, 2, true);
  // Row 7, right: ROJO1 at (7, 2), AZUL2 at (8, 1) and (8, 2).
  ASSERT_EQ(LabelFill(files, context).fill({7, 2}), kLevelBenign);
  LabelReport report(files, context);
  const QString pdf = path(u"etiquetas.pdf"_s);
  ASSERT_EQ(print(report, pdf), ReportProcess::Response::Completed);
  EXPECT_EQ(pdfPageCount(readFile(pdf)), 1);

  const std::vector<Word> words = pdfWords(pdfText(pdf, {u"-bbox"_s}));
  auto rectOfWord = [&](const QString& text) {
    std::vector<QRectF> boxes;
    for (const Word& w : words)
      if (w.text == text) boxes.push_back(w.box);
    return boxes;
  };
  auto inside = [](const QRectF& word, const QRectF& label) { return label.contains(word); };
  const QRectF red = inPoints(labelsheet::labelRect(7, 2));
  const QRectF blueLeft = inPoints(labelsheet::labelRect(8, 1));
  const QRectF blueRight = inPoints(labelsheet::labelRect(8, 2));
  for (const QString& text : {u"Rojo"_s, u"ROJO1"_s, u"Norte"_s}) {
    const auto boxes = rectOfWord(text);
    ASSERT_EQ(boxes.size(), 1u) << text.toStdString();
    EXPECT_TRUE(inside(boxes[0], red)) << text.toStdString();
  }
  for (const QString& text : {u"Azul"_s, u"AZUL2"_s, u"Oeste"_s}) {
    const auto boxes = rectOfWord(text);
    ASSERT_EQ(boxes.size(), 2u) << text.toStdString();
    EXPECT_TRUE(inside(boxes[0], blueLeft) || inside(boxes[1], blueLeft)) << text.toStdString();
    EXPECT_TRUE(inside(boxes[0], blueRight) || inside(boxes[1], blueRight)) << text.toStdString();
  }
  // "Obra" on all three labels; lines in order A, B, C down the label.
  EXPECT_EQ(rectOfWord(u"Obra"_s).size(), 3u);
  const QRectF a = rectOfWord(u"ROJO1"_s)[0], c = rectOfWord(u"Norte"_s)[0];
  EXPECT_LT(a.center().y(), c.center().y());
  for (const QRectF& obra : rectOfWord(u"Obra"_s))
    if (inside(obra, red)) {
      EXPECT_LT(a.center().y(), obra.center().y());
      EXPECT_LT(obra.center().y(), c.center().y());
    }
}

TEST_F(PrintedPagesTest, TheFormulaListingReadsLineByLine) {
  if (!havePdfText()) GTEST_SKIP() << "pdftotext missing";
  product("T1", u"Latex Blanco"_s);
  product("T2", u"Esmalte Negro"_s);
  put("Formula1", [](Record& r) {
    r.setDecimal("FOR1:CODIGO_FORMULA", 12);
    r.setText("FOR1:CODIGO_TERMINADO", u"T2"_s);
    r.setDecimal("FOR1:CANTIDAD", *Decimal::parse(std::string_view("4.5")));
    r.setDecimal("FOR1:PESO_ESPECIFICO", *Decimal::parse(std::string_view("1.2345")));
    r.setText("FOR1:COMPONENTE_B", u"CAT9"_s);
    r.setText("FOR1:MODIFICABLE", u"S"_s);
  });
  formula(7, "T1");
  ListingBounds b;
  b.fromProduct = u"T"_s;
  b.toProduct = u"TZ"_s;
  FormulaListing listing(files, context, b);
  const QString pdf = path(u"formulas.pdf"_s);
  ASSERT_EQ(print(listing, pdf), ReportProcess::Response::Completed);
  const QStringList lines = textLines(pdfText(pdf));
  ASSERT_GE(lines.size(), 4);
  EXPECT_EQ(lines.mid(0, 4).join(u'\n').toStdString(),
            "Listado de Formulas de Produccion Hoja: 001\n"
            "Codigo Terminado Descripcion Cantidad Peso Esp Componente B\n"
            "00007 T1 Latex Blanco 0.000 0.0000\n"
            "00012 T2 Esmalte Negro 4.500 1.2345 CAT9 S");
}

TEST_F(PrintedPagesTest, TheProductListingReadsLineByLineAndNumbersItsPages) {
  if (!havePdfText()) GTEST_SKIP() << "pdftotext missing";
  codeRecord("Linea", "LIN", 1, u"Hogar"_s);
  codeRecord("Carta", "CAR", 2, u"Pasteles"_s);
  codeRecord("Marca", "MAR", 3, u"Propia"_s);
  for (int i = 0; i < 60; ++i)
    product(QStringLiteral("P%1").arg(i, 3, 10, QChar(u'0')).toLatin1().constData(), u"Producto %1"_s.arg(i), 1, 2,
            3);
  ListingBounds b;
  b.fromProduct = u"P"_s;
  b.toProduct = u"PZ"_s;
  b.fromLine = b.toLine = 1;
  b.fromChart = b.toChart = 2;
  b.fromBrand = b.toBrand = 3;
  ProductListing listing(files, context, b, listing::sortField(1));
  const QString pdf = path(u"terminados.pdf"_s);
  ASSERT_EQ(print(listing, pdf), ReportProcess::Response::Completed);
  const QStringList lines = textLines(pdfText(pdf));
  ASSERT_GE(lines.size(), 5) << lines.join(u'\n').toStdString();
  EXPECT_EQ(lines.mid(0, 4).join(u'\n').toStdString(),
            "Listado de Productos Terminados Hoja: 001\n"
            "Desde codigo: P Hasta codigo: PZ\n"
            "Codigo Descripcion Linea Carta Marca\n"
            "P000 Producto 0 1 Hogar 2 Pasteles 3 Propia");
  EXPECT_GE(pdfPageCount(readFile(pdf)), 2);
  // Every page repeats the heading with its own number.
  EXPECT_TRUE(lines.contains(u"Listado de Productos Terminados Hoja: 002"_s));
  EXPECT_TRUE(lines.contains(u"P059 Producto 59 1 Hogar 2 Pasteles 3 Propia"_s));
}

}  // namespace
