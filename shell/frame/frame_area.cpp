#include "shell/frame/frame_area.h"

#include <QMdiSubWindow>
#include <QPainter>
#include <QPaintEvent>

namespace bv {
namespace {

const QColor kFieldColour(110, 12, 18);  // the red the picture fades into

}  // namespace

FrameArea::FrameArea(QWidget* parent) : QMdiArea(parent) {
  setObjectName(QStringLiteral("?FRAMEAREA"));
  setBackground(kFieldColour);
}

void FrameArea::paintEvent(QPaintEvent* event) {
  QMdiArea::paintEvent(event);
  if (background_.isNull()) return;
  // The picture centred, scaled down (never up beyond its own size) to fit.
  QPainter painter(viewport());
  const QSize room = viewport()->size();
  QSize size = background_.size();
  if (size.width() > room.width() || size.height() > room.height())
    size.scale(room, Qt::KeepAspectRatio);
  if (size.isEmpty()) return;
  const QRect target(QPoint((room.width() - size.width()) / 2, (room.height() - size.height()) / 2), size);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(target, background_);
}

void FrameArea::tile(Qt::Orientation stacking) {
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* w : subWindowList())
    if (w->isVisible() && !w->isMinimized()) windows.append(w);
  if (windows.isEmpty()) return;
  const QRect room = viewport()->rect();
  const int n = int(windows.size());
  for (int i = 0; i < n; ++i) {
    QMdiSubWindow* w = windows[i];
    if (w->isMaximized()) w->showNormal();
    if (stacking == Qt::Vertical) {
      const int h = room.height() / n;
      w->setGeometry(0, i * h, room.width(), i == n - 1 ? room.height() - i * h : h);
    } else {
      const int wd = room.width() / n;
      w->setGeometry(i * wd, 0, i == n - 1 ? room.width() - i * wd : wd, room.height());
    }
  }
}

void FrameArea::tileHorizontally() { tile(Qt::Vertical); }
void FrameArea::tileVertically() { tile(Qt::Horizontal); }

void FrameArea::arrangeIcons() {
  const QRect room = viewport()->rect();
  int x = 0;
  int y = room.bottom() + 1;
  for (QMdiSubWindow* w : subWindowList()) {
    if (!w->isMinimized()) continue;
    const QSize size = w->size();
    if (x > 0 && x + size.width() > room.width()) {
      x = 0;
      y -= size.height();
    }
    w->move(x, y - size.height());
    x += size.width();
  }
}

}  // namespace bv
