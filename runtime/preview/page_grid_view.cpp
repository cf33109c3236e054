#include "runtime/preview/page_grid_view.h"

#include <QPaintEvent>
#include <QPainter>

#include "runtime/report/page_renderer.h"
#include "runtime/report/report.h"
#include "runtime/report/units.h"

namespace bv {

PageGridView::PageGridView(const Report& report, QWidget* parent) : QWidget(parent), report_(report) {
  setObjectName(QStringLiteral("?PREVIEW:PAGES"));
  setAutoFillBackground(false);
}

void PageGridView::setGrid(int firstPage, int across, int down, int dpi) {
  first_ = std::max(1, firstPage);
  across_ = std::max(1, across);
  down_ = std::max(1, down);
  dpi_ = std::max(1, dpi);
  resize(sizeHint());
  update();
}

QSize PageGridView::pagePixels() const {
  const QSize units = report_.pageSize();
  return QSize(unitsToPixels(units.width(), dpi_), unitsToPixels(units.height(), dpi_));
}

QSize PageGridView::sizeHint() const {
  const QSize page = pagePixels();
  return QSize(across_ * page.width() + (across_ + 1) * kGap,
               down_ * page.height() + (down_ + 1) * kGap);
}

QRect PageGridView::pageRect(int index) const {
  const QSize page = pagePixels();
  const int column = index % across_;
  const int row = index / across_;
  return QRect(kGap + column * (page.width() + kGap), kGap + row * (page.height() + kGap),
               page.width(), page.height());
}

int PageGridView::pageAt(const QPoint& point) const {
  for (int i = 0; i < across_ * down_; ++i) {
    const int number = first_ + i;
    if (number > report_.pageCount()) break;
    if (pageRect(i).contains(point)) return number;
  }
  return 0;
}

void PageGridView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), palette().color(QPalette::Dark));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  // Pages are laid out at the widget's own resolution and scaled to the zoom, so
  // fonts keep their point sizes in proportion to the page.
  const int screenX = logicalDpiX();
  const int screenY = logicalDpiY();
  for (int i = 0; i < across_ * down_; ++i) {
    const int number = first_ + i;
    if (number > report_.pageCount()) break;
    const QRect cell = pageRect(i);
    if (!cell.intersects(event->rect())) continue;
    painter.save();
    painter.fillRect(cell.translated(3, 3), palette().color(QPalette::Shadow));
    painter.fillRect(cell, Qt::white);
    painter.setClipRect(cell);
    painter.translate(cell.topLeft());
    painter.scale(double(dpi_) / screenX, double(dpi_) / screenY);
    PageRenderer::paint(painter, report_.pages()[number - 1], screenX, screenY);
    painter.restore();
  }
}

}  // namespace bv
