#include "runtime/report/page_setup.h"

#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>

#include "runtime/report/units.h"

namespace bv {
namespace {

// The paper's upright size in units, from the measure Qt defines it in
// (millimetres or inches), so standard papers are exact in their own measure.
QSize unitsOf(const QPageSize& page) {
  const QSizeF defined = page.definitionSize();
  double perUnit = kUnitsPerInch / 72.0;  // points and anything else
  QSizeF measure = page.size(QPageSize::Point);
  if (page.definitionUnits() == QPageSize::Millimeter) {
    perUnit = kUnitsPerInch / 25.4;
    measure = defined;
  } else if (page.definitionUnits() == QPageSize::Inch) {
    perUnit = kUnitsPerInch;
    measure = defined;
  }
  return QSize(static_cast<int>(std::lround(measure.width() * perUnit)),
               static_cast<int>(std::lround(measure.height() * perUnit)));
}

QPageSize pageSizeOfCode(int code) {
  const QPageSize::PageSizeId id = QPageSize::id(code);
  if (id == QPageSize::Custom) return {};
  return QPageSize(id);
}

}  // namespace

QSize PageSetup::paperSizeOf(int code) {
  const QPageSize page = pageSizeOfCode(code);
  return page.isValid() ? unitsOf(page) : QSize();
}

bool PageSetup::setPaperCode(int code) {
  const QSize size = paperSizeOf(code);
  if (size.isEmpty()) return false;
  paperCode_ = code;
  paperSize_ = size;
  return true;
}

void PageSetup::setPaperSize(int width, int height) {
  paperSize_ = QSize(std::min(width, height), std::max(width, height));
  const QPageSize match(QSizeF(paperSize_.width() / double(kUnitsPerInch),
                               paperSize_.height() / double(kUnitsPerInch)),
                        QPageSize::Inch, QString(), QPageSize::ExactMatch);
  const int code = match.id() == QPageSize::Custom ? 0 : match.windowsId();
  paperCode_ = code > 0 && code < kCustomPaper ? code : kCustomPaper;
}

int PageSetup::paperWidthTenthsMm() const { return unitsToTenthsMm(paperSize_.width()); }
int PageSetup::paperHeightTenthsMm() const { return unitsToTenthsMm(paperSize_.height()); }

QSize PageSetup::pageSize() const { return landscape_ ? paperSize_.transposed() : paperSize_; }

QPageLayout PageSetup::pageLayout() const {
  QPageSize page = paperCode_ != kCustomPaper ? pageSizeOfCode(paperCode_) : QPageSize();
  if (!page.isValid() || unitsOf(page) != paperSize_)
    page = QPageSize(QSizeF(paperSize_.width() / double(kUnitsPerInch),
                            paperSize_.height() / double(kUnitsPerInch)),
                     QPageSize::Inch, QStringLiteral("Personalizado"), QPageSize::ExactMatch);
  QPageLayout layout(page, landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
  layout.setMode(QPageLayout::FullPageMode);
  return layout;
}

PageSetup PageSetup::fromDefaultPrinter() {
  PageSetup setup;
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return setup;
  setup.printerName_ = info.printerName();
  const QPageSize page = info.defaultPageSize();
  if (!page.isValid() || !setup.setPaperCode(page.windowsId())) {
    if (page.isValid()) {
      const QSize size = unitsOf(page);
      setup.setPaperSize(size.width(), size.height());
    }
  }
  QPrinter printer(info, QPrinter::HighResolution);
  setup.resolution_ = printer.resolution();
  return setup;
}

}  // namespace bv
