#include "shell/procedure_launcher.h"

#include "runtime/message_presenter.h"
#include "storage/errors/error_manager.h"

#include <exception>

namespace bv {
namespace {

constexpr int kUndefinedProcedure = 24;

// Calls the procedure inside its context; the guard ends when the procedure
// first waits, so the caller goes on in its own context.
QCoro::Task<void> enter(const Procedure& procedure, ProcedureStart start) {
  ContextGuard guard(start.context);
  return procedure(std::move(start));
}

QCoro::Task<void> runStarted(Procedure procedure, ProcedureStart start, std::shared_ptr<int> running) {
  const ContextId id = start.context;
  const QString name = start.name;
  ++*running;
  try {
    co_await enter(procedure, std::move(start));
  } catch (const std::exception& e) {
    // A procedure reports its failures as messages; anything that still escapes
    // it ends that one run and is shown, and the frame goes on.
    ContextGuard guard(id);
    showMessage(QStringLiteral("El Procedimiento %1 terminó por un error: %2")
                    .arg(name, QString::fromLocal8Bit(e.what())),
                QStringLiteral("Error de Procedimiento"), MessageIcon::Information);
  }
  endContext(id);
  --*running;
}

}  // namespace

ProcedureLauncher::ProcedureLauncher(const ProcedureRegistry& registry, QMdiArea* area)
    : registry_(registry), area_(area) {}

ContextId ProcedureLauncher::start(const QString& name) {
  const Procedure* procedure = registry_.find(name);
  if (!procedure) {
    ErrorManager::instance().raiseWithMessage(kUndefinedProcedure, name);
    return 0;
  }
  const ContextId id = ExecutionContext::create();
  // The task runs on by itself once it first waits; it frees itself at its end.
  runStarted(*procedure, ProcedureStart{name, id, area_}, running_);
  return id;
}

void endContext(ContextId id) {
  // Every holder of per-context state listens for the release: the error
  // manager's procedure names, the global codes, the file and relation managers.
  ExecutionContext::release(id);
}

}  // namespace bv
