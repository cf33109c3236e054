#pragma once
// Starting procedures "on a new thread": each start runs the registered
// procedure in a fresh execution context and returns as soon as the procedure
// first waits (for its window to close, for a form), so the caller never waits
// for it. The same procedure can be started any number of times; each start has
// its own context, released when that run ends.
#include "shell/procedure_registry.h"

#include <QMdiArea>
#include <QPointer>
#include <memory>

namespace bv {

class ProcedureLauncher {
 public:
  ProcedureLauncher(const ProcedureRegistry& registry, QMdiArea* area);

  bool canStart(const QString& name) const { return registry_.contains(name); }
  // Starts the procedure; answers its context. A name that is not registered
  // raises message 24 ("Procedimiento no definido") and answers 0.
  ContextId start(const QString& name);
  // Runs started from this launcher that have not ended yet.
  int running() const { return *running_; }

 private:
  const ProcedureRegistry& registry_;
  QPointer<QMdiArea> area_;
  std::shared_ptr<int> running_ = std::make_shared<int>(0);
};

// Drops everything kept for an execution context that has ended: its procedure
// names, its request and response codes, its buffers and file handles (every
// holder of per-context state listens for the release).
void endContext(ContextId id);

}  // namespace bv
