#include "runtime/report/report_output.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "runtime/report/page_renderer.h"
#include "runtime/report/report.h"

namespace bv {
namespace {

void fail(QString* error, const QString& reason) {
  if (error) *error = reason;
}

QList<const ReportPage*> chosen(const Report& report, const PageSelection& pages) {
  QList<const ReportPage*> out;
  for (int n : pages.pages())
    if (n >= 1 && n <= report.pageCount()) out << &report.pages()[n - 1];
  return out;
}

bool paintPages(QPagedPaintDevice& device, const QList<const ReportPage*>& pages,
                const QString& where, QString* error) {
  QPainter painter;
  if (!painter.begin(&device)) {
    fail(error, QStringLiteral("No se pudo iniciar la impresión en %1.").arg(where));
    return false;
  }
  const int dpiX = device.logicalDpiX();
  const int dpiY = device.logicalDpiY();
  bool first = true;
  for (const ReportPage* page : pages) {
    if (!first && !device.newPage()) {
      fail(error, QStringLiteral("No se pudo pasar a la página siguiente en %1.").arg(where));
      return false;
    }
    first = false;
    PageRenderer::paint(painter, *page, dpiX, dpiY);
  }
  if (!painter.end()) {
    fail(error, QStringLiteral("No se pudo terminar la impresión en %1.").arg(where));
    return false;
  }
  return true;
}

}  // namespace

bool writePages(QPagedPaintDevice& device, const Report& report, const PageSelection& pages,
                QString* error) {
  const auto list = chosen(report, pages);
  if (list.isEmpty()) return true;
  device.setPageLayout(report.pageSetup().pageLayout());
  return paintPages(device, list, report.title(), error);
}

bool writePdf(const Report& report, const QString& path, const PageSelection& pages,
              QString* error) {
  const auto list = chosen(report, pages);
  if (list.isEmpty()) return true;
  QPdfWriter pdf(path);
  pdf.setTitle(report.title());
  pdf.setCreator(QStringLiteral("Bravent"));
  pdf.setResolution(1200);
  if (!pdf.setPageLayout(report.pageSetup().pageLayout())) {
    fail(error, QStringLiteral("El archivo \"%1\" no admite el papel del reporte.").arg(path));
    return false;
  }
  return paintPages(pdf, list, QStringLiteral("el archivo \"%1\"").arg(path), error);
}

bool sendToPrinter(const Report& report, const PageSelection& pages, QString* error) {
  const auto list = chosen(report, pages);
  if (list.isEmpty()) return true;
  const PageSetup& setup = report.pageSetup();
  const QPrinterInfo info = setup.printerName().isEmpty()
                                ? QPrinterInfo::defaultPrinter()
                                : QPrinterInfo::printerInfo(setup.printerName());
  if (info.isNull()) {
    fail(error, setup.printerName().isEmpty()
                    ? QStringLiteral("No hay ninguna impresora instalada.")
                    : QStringLiteral("No se encuentra la impresora \"%1\".").arg(setup.printerName()));
    return false;
  }
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(report.title());
  printer.setFullPage(true);
  if (setup.resolution() > 0) printer.setResolution(setup.resolution());
  printer.setPageLayout(setup.pageLayout());
  return paintPages(printer, list, QStringLiteral("la impresora \"%1\"").arg(info.printerName()),
                    error);
}

}  // namespace bv
