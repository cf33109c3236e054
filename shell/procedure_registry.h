#pragma once
// The procedures the menu starts, found by name. Each subsystem registers its
// windows and processes under their procedure names ("BrowseBasicos",
// "UpdateProduc01", "GeneraPlanilla", ...); the frame starts them by name and
// shows a menu entry whose procedure is not registered as disabled.
//
// A procedure is a coroutine: it runs in the execution context it was started
// in, opens its windows as children of the frame's area, and ends when its work
// is done (for a window, when the window closes). The context is released then.
#include "runtime/context.h"

#include <QHash>
#include <QMdiArea>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <QCoroTask>

class QWidget;

namespace bv {

// What a started procedure is given.
struct ProcedureStart {
  QString name;             // the name it was started by
  ContextId context = 0;    // its own execution context
  QPointer<QMdiArea> area;  // where its windows open (null without a frame)
};

// The body of a procedure. Write it as a free function or a member function, not
// as a capturing lambda (the lambda would be gone while the coroutine waits).
// The current context is `start.context` until the first co_await; after each
// co_await the procedure sets it again with a ContextGuard.
using Procedure = std::function<QCoro::Task<void>(ProcedureStart start)>;

// Makes the window of a procedure that is one window.
using WindowFactory = std::function<std::unique_ptr<QWidget>(const ProcedureStart& start)>;

class ProcedureRegistry {
 public:
  // Registers a procedure under its name; a later registration replaces it.
  void add(const QString& name, Procedure procedure);
  // Registers a procedure that opens one window as a child of the frame (with
  // its placement kept in the settings file under the procedure's name) and ends
  // when the window closes.
  void addWindow(const QString& name, WindowFactory factory);

  const Procedure* find(const QString& name) const;
  bool contains(const QString& name) const { return procedures_.contains(name); }
  QStringList names() const;

 private:
  QHash<QString, Procedure> procedures_;
};

}  // namespace bv
