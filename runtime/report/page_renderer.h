#pragma once
// Draws printed pages on any device: the printer, a PDF file, or an image for the
// preview. Units become device pixels here, with the resolution of the device.
#include <QImage>
#include <QPainter>
#include <QSize>

#include "runtime/report/report_page.h"

namespace bv {

class PageRenderer {
 public:
  // Draws the page with the painter, whose origin is the paper's corner and whose
  // device has dpiX × dpiY dots per inch.
  static void paint(QPainter& painter, const ReportPage& page, int dpiX, int dpiY);
  // The page as a white image of `pageSize` units at `dpi` (text included, with
  // fonts sized for that resolution).
  static QImage image(const ReportPage& page, const QSize& pageSize, int dpi);
};

}  // namespace bv
