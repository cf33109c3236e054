#include "shell/window_placement.h"

#include "storage/settings/settings.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QWidget>
#include <algorithm>

namespace bv {
namespace {

constexpr Qt::WindowStates kNotNormal = Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen;

bool hasFixedSize(const QWidget& w) { return w.minimumSize() == w.maximumSize(); }

}  // namespace

WidgetPlacement::WidgetPlacement(QWidget& widget) : widget_(&widget) {
  widget.installEventFilter(this);
  remember();
}

bool WidgetPlacement::isMaximized() const { return widget_ && widget_->isMaximized(); }

bool WidgetPlacement::isResizable() const {
  if (!widget_ || hasFixedSize(*widget_)) return false;
  // A child window takes its size limits from the widget it frames.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(widget_.data()); sub && sub->widget())
    return !hasFixedSize(*sub->widget());
  return true;
}

QRect WidgetPlacement::normalGeometry() const {
  if (!widget_) return {};
  if (widget_->isWindow() && widget_->normalGeometry().isValid()) return widget_->normalGeometry();
  return normal_;
}

void WidgetPlacement::showMaximized() {
  if (!widget_) return;
  widget_->setWindowState((widget_->windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}

void WidgetPlacement::setPosition(int x, int y) {
  if (!widget_) return;
  // A top-level window is placed by its client area, as its normal geometry is
  // read, so that the window does not creep by its title bar on every run.
  if (widget_->isWindow())
    widget_->setGeometry(QRect(QPoint(x, y), widget_->size()));
  else
    widget_->move(x, y);
  normal_ = QRect(QPoint(x, y), widget_->size());
}

void WidgetPlacement::setSize(int width, int height) {
  if (!widget_) return;
  widget_->resize(width, height);
  normal_.setSize(widget_->size());
}

void WidgetPlacement::remember() {
  if (!widget_ || !widget_->isVisible() || (widget_->windowState() & kNotNormal)) return;
  normal_ = widget_->geometry();
}

bool WidgetPlacement::eventFilter(QObject* watched, QEvent* event) {
  if (watched == widget_) {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Show:
      case QEvent::WindowStateChange: remember(); break;
      default: break;
    }
  }
  return QObject::eventFilter(watched, event);
}

bool saveWindowPlacement(const QString& name, const WidgetPlacement& placement) {
  return Settings::global().saveWindow(name, placement);
}

bool restoreWindowPlacement(const QString& name, WidgetPlacement& placement) {
  return Settings::global().restoreWindow(name, placement);
}

PlacementKeeper::PlacementKeeper(QWidget& widget, QString name)
    : WidgetPlacement(widget), name_(std::move(name)) {
  setParent(&widget);
}

bool PlacementKeeper::restore() { return restoreWindowPlacement(name_, *this); }
bool PlacementKeeper::save() { return saveWindowPlacement(name_, *this); }

bool PlacementKeeper::eventFilter(QObject* watched, QEvent* event) {
  if (watched == widget() && event->type() == QEvent::Close) save();
  return WidgetPlacement::eventFilter(watched, event);
}

void SettingsPositionStore::save(const QString& name, QWidget& window) {
  saveWindowPlacement(name, WidgetPlacement(window));
}

void SettingsPositionStore::restore(const QString& name, QWidget& window) {
  WidgetPlacement placement(window);
  restoreWindowPlacement(name, placement);
}

SettingsPositionStore& SettingsPositionStore::instance() {
  static SettingsPositionStore store;
  return store;
}

QPoint besideWindow(const QRect& anchor, const QSize& size, const QRect& screen) {
  constexpr int kGap = 4;
  int x = anchor.right() + 1 + kGap;
  if (x + size.width() > screen.right() + 1) {
    const int left = anchor.left() - kGap - size.width();
    x = left >= screen.left() ? left : screen.right() + 1 - size.width();
  }
  x = std::max(x, screen.left());
  const int y = std::clamp(anchor.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()));
  return {x, y};
}

}  // namespace bv
