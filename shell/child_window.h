#pragma once
// Windows started from the menu open as child windows of the frame's area.
#include "runtime/context.h"

#include <QMdiArea>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <coroutine>
#include <memory>

class QMdiSubWindow;
class QWidget;

namespace bv {

// Opens `window` as a child of the area: the child is deleted when it closes,
// its placement is restored from the settings file (section `placementName`,
// the window's object name when empty) before it is shown and saved each time
// it closes. The child remembers the execution context it was opened in, so the
// frame enters that context when its toolbar acts on it. Answers the child's
// frame.
QMdiSubWindow* openChildWindow(QMdiArea& area, std::unique_ptr<QWidget> window,
                               QString placementName = {});
// Marks a window that opens with a close button only (a form): its child
// window frame carries no minimise or maximise button.
void keepOnlyCloseButton(QWidget& window);
// The window flags of a dialog or child window with a close button only.
Qt::WindowFlags closeOnlyFlags(Qt::WindowType type);

// The context a child window was opened in (the frame's when it has none).
ContextId childContext(const QMdiSubWindow& child);

// co_await whenDestroyed(object): resumes once the object has been destroyed
// (at once when it already is). The coroutine resumes from the event loop, never
// inside the object's destructor.
class WhenDestroyed {
 public:
  explicit WhenDestroyed(QObject* object) : object_(object) {}
  bool await_ready() const noexcept { return object_.isNull(); }
  void await_suspend(std::coroutine_handle<> waiting);
  void await_resume() const noexcept {}

 private:
  QPointer<QObject> object_;
};

inline WhenDestroyed whenDestroyed(QObject* object) { return WhenDestroyed(object); }

}  // namespace bv
