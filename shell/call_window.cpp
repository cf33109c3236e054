#include "shell/call_window.h"

#include "shell/child_window.h"
#include "shell/frame/toolbar_target.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

namespace bv {
namespace {
// The called window's frame names the frame of the window waiting for it.
constexpr char kCalledByProperty[] = "bvCalledBy";
}  // namespace

QMdiArea* areaOf(const QWidget* window) {
  for (QWidget* w = window ? window->parentWidget() : nullptr; w; w = w->parentWidget())
    if (auto* area = qobject_cast<QMdiArea*>(w)) return area;
  return nullptr;
}

QWidget* frameOf(QWidget* window) {
  if (!window) return nullptr;
  if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) return sub;
  return window;
}

bool closeCalledWindows(QWidget* caller) {
  QWidget* callerFrame = frameOf(caller);
  QMdiArea* area = areaOf(caller);
  if (!callerFrame || !area) return true;
  bool allClosed = true;
  for (QMdiSubWindow* sub : area->subWindowList()) {
    if (sub->property(kCalledByProperty).value<QObject*>() != callerFrame) continue;
    if (!sub->close()) allClosed = false;
  }
  return allClosed;
}

bool closeChildWindows(QMdiArea& area) {
  QList<QPointer<QMdiSubWindow>> children;
  for (QMdiSubWindow* sub : area.subWindowList()) children.append(sub);
  const auto open = [](const QPointer<QMdiSubWindow>& sub) { return sub && sub->isVisible(); };
  const auto waitedFor = [&](QMdiSubWindow* sub) {
    // A called window whose caller is still open: the caller closes it.
    auto* caller = qobject_cast<QWidget*>(sub->property(kCalledByProperty).value<QObject*>());
    return caller && caller->isVisible();
  };
  for (const QPointer<QMdiSubWindow>& sub : children) {
    if (!open(sub) || waitedFor(sub)) continue;
    if (!sub->close()) return false;
  }
  // Whatever a caller did not close (its caller gone meanwhile) closes now.
  for (const QPointer<QMdiSubWindow>& sub : children)
    if (open(sub) && !sub->close()) return false;
  return true;
}

QCoro::Task<void> callWindow(QWidget* caller, std::unique_ptr<QWidget> callee, QString placementName,
                             ContextId context) {
  QPointer<QWidget> callerFrame = frameOf(caller);
  QPointer<QMdiArea> area = areaOf(caller);
  QPointer<QWidget> shown;
  // Disabled first: the focus leaving the caller as the called window opens
  // must not make the caller act (a locator accepted would read the view into
  // the buffers the called window is about to show).
  if (callerFrame) callerFrame->setEnabled(false);
  if (area) {
    // The child remembers the context it opens in: the caller's.
    ContextGuard guard(context);
    shown = openChildWindow(*area, std::move(callee), placementName);
  } else {
    // Without a frame (a window shown on its own) the called window is a
    // top-level window of its own.
    callee->setAttribute(Qt::WA_DeleteOnClose);
    shown = callee.release();
    shown->show();
  }
  if (QWidget* shownFrame = frameOf(shown))
    shownFrame->setProperty(kCalledByProperty, QVariant::fromValue(static_cast<QObject*>(callerFrame.data())));
  co_await whenDestroyed(shown);
  if (!callerFrame) co_return;
  callerFrame->setEnabled(true);
  if (auto* sub = qobject_cast<QMdiSubWindow*>(callerFrame.data()); sub && area) {
    area->setActiveSubWindow(sub);
    if (QWidget* inner = sub->widget()) ToolbarTarget::changed(*inner);
  } else {
    callerFrame->activateWindow();
  }
}

}  // namespace bv
