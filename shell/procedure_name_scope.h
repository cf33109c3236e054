#pragma once
// A procedure's name stands in the error manager, for its execution context,
// while the scope lives (a report procedure reports itself this way).
#include <QString>

#include "runtime/context.h"
#include "storage/errors/error_manager.h"

namespace bv {

class ProcedureNameScope {
 public:
  ProcedureNameScope(ContextId context, const QString& name) : context_(context) {
    const ContextGuard guard(context_);
    ErrorManager::instance().setProcedureName(name);
  }
  ~ProcedureNameScope() {
    const ContextGuard guard(context_);
    ErrorManager::instance().removeProcedureName();
  }
  ProcedureNameScope(const ProcedureNameScope&) = delete;
  ProcedureNameScope& operator=(const ProcedureNameScope&) = delete;

 private:
  ContextId context_;
};

}  // namespace bv
