#pragma once
// A window that waits for another one of its own context: a list for its form,
// a form for the list it opens to select. The called window opens as a child of
// the caller's area, not modal, so every other window of the frame stays usable;
// only the caller is disabled until the called window is gone.
#include "runtime/context.h"

#include <QCoroTask>
#include <QString>
#include <memory>

class QMdiArea;
class QWidget;

namespace bv {

// Opens `callee` in the caller's execution context `context` and resumes once
// it has been destroyed. The caller may be gone by then: the awaiting code
// checks its own QPointer.
QCoro::Task<void> callWindow(QWidget* caller, std::unique_ptr<QWidget> callee, QString placementName,
                             ContextId context);

// Closes the windows that `caller` is waiting for (each asks its own
// questions first). True when none is left open.
bool closeCalledWindows(QWidget* caller);

// Closes every child window of the area as the frame closes: a window that
// waits for another closes it first itself, so each question (a changed form's
// "Guardar Registro") is asked once. Stops at the first window that stays
// open; true when none is left.
bool closeChildWindows(QMdiArea& area);

// The area a window sits in (through its child window frame), or nullptr.
QMdiArea* areaOf(const QWidget* window);

// The widget that stands for a window in its area: its child window frame, or
// the window itself when it is not in an area.
QWidget* frameOf(QWidget* window);

}  // namespace bv
