#include "runtime/report/page_renderer.h"

#include <QPen>
#include <cmath>

#include "runtime/report/units.h"

namespace bv {
namespace {

Qt::Alignment qtAlignment(TextAlignment a) {
  switch (a) {
    case TextAlignment::Center: return Qt::AlignHCenter;
    case TextAlignment::Right: return Qt::AlignRight;
    case TextAlignment::Left: break;
  }
  return Qt::AlignLeft;
}

// A pen of `units` thickness; 0 keeps the device's thinnest line.
QPen penOf(const QColor& colour, int units, int dpi) {
  QPen pen(colour);
  pen.setWidth(units > 0 ? std::max(1, unitsToPixels(units, dpi)) : 0);
  pen.setJoinStyle(Qt::MiterJoin);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

void paintText(QPainter& painter, const PageItem& item, const QRect& r) {
  if (item.fill.isValid()) painter.fillRect(r, item.fill);
  if (item.text.isEmpty()) return;
  painter.setFont(item.font.toQFont());
  painter.setPen(item.font.colour.isValid() ? item.font.colour : QColor(Qt::black));
  // Texts are not cut to their control: a rule character one unit wide or a line
  // of dashes one unit high must still show whole.
  painter.drawText(r, int(qtAlignment(item.alignment)) | Qt::AlignTop | Qt::TextDontClip |
                          Qt::TextSingleLine,
                   item.text);
}

void paintBox(QPainter& painter, const PageItem& item, const QRect& r, int dpi) {
  if (item.fill.isValid()) painter.fillRect(r, item.fill);
  if (!item.lineColour.isValid()) return;
  const QPen pen = penOf(item.lineColour, item.lineWidth, dpi);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  // The border lies inside the box, so a box never grows past its size.
  const qreal half = std::max<qreal>(pen.widthF(), 1.0) / 2;
  painter.drawRect(QRectF(r).adjusted(half, half, -half, -half));
}

}  // namespace

void PageRenderer::paint(QPainter& painter, const ReportPage& page, int dpiX, int dpiY) {
  for (const PageItem& item : page.items) {
    const QRect r = unitsToPixels(item.rect, dpiX, dpiY);
    painter.save();
    switch (item.kind) {
      case PageItem::Kind::Text: paintText(painter, item, r); break;
      case PageItem::Kind::Box: paintBox(painter, item, r, dpiX); break;
      case PageItem::Kind::Line:
        if (item.lineColour.isValid()) {
          painter.setPen(penOf(item.lineColour, item.lineWidth, dpiX));
          painter.drawLine(QPointF(r.topLeft()), QPointF(r.x() + r.width(), r.y() + r.height()));
        }
        break;
      case PageItem::Kind::Image:
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(r, item.image);
        break;
    }
    painter.restore();
  }
}

QImage PageRenderer::image(const ReportPage& page, const QSize& pageSize, int dpi) {
  const QSize pixels(std::max(1, unitsToPixels(pageSize.width(), dpi)),
                     std::max(1, unitsToPixels(pageSize.height(), dpi)));
  QImage out(pixels, QImage::Format_RGB32);
  const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
  out.setDotsPerMeterX(dotsPerMeter);
  out.setDotsPerMeterY(dotsPerMeter);
  out.fill(Qt::white);
  QPainter painter(&out);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  paint(painter, page, dpi, dpi);
  return out;
}

}  // namespace bv
