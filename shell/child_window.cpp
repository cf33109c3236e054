#include "shell/child_window.h"

#include <algorithm>

#include "shell/window_placement.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QWidget>

namespace bv {
namespace {
constexpr char kContextProperty[] = "bvExecutionContext";
constexpr char kCloseOnlyProperty[] = "bvCloseOnly";

// A window opened for the first time lies wholly inside the frame: one
// wider or taller than the frame is narrowed to it where it can be, and its
// left and top edges are never outside, so its first columns and buttons show.
void keepInside(QMdiSubWindow& child, const QRect& room) {
  if (child.width() > room.width() || child.height() > room.height())
    child.resize(std::min(child.width(), room.width()), std::min(child.height(), room.height()));
  const int x = std::max(0, std::min(child.x(), room.width() - child.width()));
  const int y = std::max(0, std::min(child.y(), room.height() - child.height()));
  if (x != child.x() || y != child.y()) child.move(x, y);
}
}  // namespace

void keepOnlyCloseButton(QWidget& window) { window.setProperty(kCloseOnlyProperty, true); }

Qt::WindowFlags closeOnlyFlags(Qt::WindowType type) {
  return type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
         Qt::WindowCloseButtonHint;
}

QMdiSubWindow* openChildWindow(QMdiArea& area, std::unique_ptr<QWidget> window,
                               QString placementName) {
  if (placementName.isEmpty()) placementName = window->objectName();
  const QString title = window->windowTitle();
  const bool closeOnly = window->property(kCloseOnlyProperty).toBool();
  QMdiSubWindow* child = area.addSubWindow(window.release());
  if (closeOnly) child->setWindowFlags(closeOnlyFlags(Qt::SubWindow));
  child->setAttribute(Qt::WA_DeleteOnClose);
  child->setProperty(kContextProperty, QVariant::fromValue(ExecutionContext::current()));
  child->setWindowTitle(title);
  auto* keeper = new PlacementKeeper(*child, placementName);  // owned by the child
  const bool restored = keeper->restore();
  if (!restored || !child->isVisible()) child->show();
  if (!restored) keepInside(*child, area.viewport()->rect());
  return child;
}

ContextId childContext(const QMdiSubWindow& child) {
  const QVariant id = child.property(kContextProperty);
  return id.isValid() ? id.value<ContextId>() : ExecutionContext::kMain;
}

void WhenDestroyed::await_suspend(std::coroutine_handle<> waiting) {
  QObject::connect(object_.data(), &QObject::destroyed, QCoreApplication::instance(), [waiting] {
    QTimer::singleShot(0, QCoreApplication::instance(), [waiting] { waiting.resume(); });
  });
}

}  // namespace bv
