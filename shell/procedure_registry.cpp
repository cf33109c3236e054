#include "shell/procedure_registry.h"

#include "shell/child_window.h"

#include <QMdiSubWindow>
#include <QWidget>
#include <algorithm>

namespace bv {
namespace {

QCoro::Task<void> runWindow(WindowFactory factory, ProcedureStart start) {
  std::unique_ptr<QWidget> window = factory(start);
  if (!window || !start.area) co_return;
  if (window->objectName().isEmpty()) window->setObjectName(start.name);
  QPointer<QMdiSubWindow> child = openChildWindow(*start.area, std::move(window), start.name);
  co_await whenDestroyed(child);
}

}  // namespace

void ProcedureRegistry::add(const QString& name, Procedure procedure) {
  procedures_.insert(name, std::move(procedure));
}

void ProcedureRegistry::addWindow(const QString& name, WindowFactory factory) {
  add(name, [factory = std::move(factory)](ProcedureStart start) {
    return runWindow(factory, std::move(start));
  });
}

const Procedure* ProcedureRegistry::find(const QString& name) const {
  auto it = procedures_.constFind(name);
  return it == procedures_.cend() ? nullptr : &it.value();
}

QStringList ProcedureRegistry::names() const {
  QStringList names = procedures_.keys();
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace bv
