#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "runtime/report/page_renderer.h"
#include "runtime/report/report_output.h"
#include "tests/report/pdf_probe.h"
#include "tests/report/sample_report.h"

using namespace bv;
using namespace bv::test;

namespace {

bool havePdfToText() { return QFile::exists(QStringLiteral("/usr/bin/pdftotext")); }

QString pdfText(const QString& path, int page) {
  QProcess p;
  p.start(QStringLiteral("/usr/bin/pdftotext"),
          {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
           QStringLiteral("-layout"), path, QStringLiteral("-")});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

TEST(ReportRender, PagesAreDrawnAtTheDeviceResolution) {
  Report r;
  r.setBody(QRect(0, 0, 8500, 11000));
  r.addBand(2, BandKind::Detail, QRect(0, 0, 8500, 3000));
  r.addControl(20, ControlKind::Box, 2)->setRect(1000, 1000, 500, 500).setFill(Qt::red).setLineColour(QColor());
  r.addControl(21, ControlKind::Line, 2)->setRect(2000, 2000, 1000, 0).setLineWidth(20);
  r.addControl(22, ControlKind::String, 2)->setRect(4000, 1000, 2000, 300).setText(QStringLiteral("MMMM")).setFont(
      ReportFont{QStringLiteral("Arial"), 24, ReportFont::kBold});
  r.open();
  r.print(2);
  r.endReport();

  const QImage page = PageRenderer::image(r.pages()[0], r.pageSize(), 100);
  ASSERT_EQ(page.size(), QSize(850, 1100));
  EXPECT_EQ(page.pixelColor(125, 125), QColor(Qt::red));
  EXPECT_EQ(page.pixelColor(97, 97), QColor(Qt::white));
  EXPECT_EQ(page.pixelColor(152, 152), QColor(Qt::white));
  EXPECT_EQ(page.pixelColor(250, 200), QColor(Qt::black));  // the line, 2 pixels thick
  EXPECT_EQ(page.pixelColor(250, 203), QColor(Qt::white));
  int dark = 0;
  for (int y = 100; y < 140; ++y)
    for (int x = 400; x < 600; ++x) dark += page.pixelColor(x, y).lightness() < 128;
  EXPECT_GT(dark, 100) << "the text is drawn where its control stands";
}

// The sample listing of 25 lines as a PDF file in `dir`.
QString threePagePdf(const QTemporaryDir& dir) {
  const QString path = dir.filePath(QStringLiteral("listado.pdf"));
  Report r;
  buildSampleReport(r);
  printLines(r, 25);
  r.setTarget(PrintTarget::pdfFile(path));
  QString error;
  EXPECT_TRUE(r.printAll(&error)) << error.toStdString();
  return path;
}

TEST(ReportRender, AThreePageReportMakesAThreePagePdf) {
  QTemporaryDir dir;
  const QByteArray pdf = readFile(threePagePdf(dir));
  ASSERT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(pdfPageCount(pdf), 3);
  EXPECT_NEAR(pdfMediaBox(pdf).width(), 612, 0.5);  // Letter, upright, in points
  EXPECT_NEAR(pdfMediaBox(pdf).height(), 792, 0.5);
}

TEST(ReportRender, ThePdfTextShowsTheHeaderOnEachPage) {
  if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
  QTemporaryDir dir;
  const QString path = threePagePdf(dir);
  for (int p = 1; p <= 3; ++p) {
    const QString text = pdfText(path, p);
    EXPECT_TRUE(text.contains(QStringLiteral("Listado de prueba"))) << "page " << p;
    EXPECT_TRUE(text.contains(QStringLiteral("Página:   %1").arg(p))) << "page " << p;
  }
  EXPECT_TRUE(pdfText(path, 2).contains(QStringLiteral("Renglón 10")));
}

TEST(ReportRender, OnlyTheChosenPagesAreWrittenOnTheReportsPaper) {
  QTemporaryDir dir;
  Report r;
  buildSampleReport(r);
  r.pageSetup().setLandscape(true);
  r.setBody(QRect(500, 1500, 10000, 6000));
  printLines(r, 20);  // six a page: four pages
  ASSERT_EQ(r.pageCount(), 4);

  const QString two = dir.filePath(QStringLiteral("dos.pdf"));
  ASSERT_TRUE(writePdf(r, two, *PageSelection::parse(QStringLiteral("2,4"), 4)));
  const QByteArray pdf = readFile(two);
  EXPECT_EQ(pdfPageCount(pdf), 2);
  EXPECT_NEAR(pdfMediaBox(pdf).width(), 792, 0.5);  // Letter turned
  EXPECT_NEAR(pdfMediaBox(pdf).height(), 612, 0.5);

  // Nothing chosen prints nothing and is no failure.
  const QString none = dir.filePath(QStringLiteral("nada.pdf"));
  EXPECT_TRUE(writePdf(r, none, PageSelection()));
  EXPECT_FALSE(QFile::exists(none));

  // Any paged device the caller sets up, here a printer writing PDF.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath(QStringLiteral("impresora.pdf")));
  ASSERT_TRUE(writePages(printer, r, PageSelection::all(4)));
  EXPECT_EQ(pdfPageCount(readFile(printer.outputFileName())), 4);
}

TEST(ReportRender, FailuresToOpenTheOutputAreReported) {
  Report r;
  buildSampleReport(r);
  printLines(r, 2);
  QString error;
  r.setTarget(PrintTarget::pdfFile(QStringLiteral("/sin/carpeta/listado.pdf")));
  EXPECT_FALSE(r.printAll(&error));
  EXPECT_TRUE(error.contains(QStringLiteral("/sin/carpeta/listado.pdf"))) << error.toStdString();

  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this station has a printer";
  r.setTarget(PrintTarget::printer());
  error.clear();
  EXPECT_FALSE(r.printAll(&error));
  EXPECT_EQ(error, QStringLiteral("No hay ninguna impresora instalada."));
}
