#include "runtime/runtime_error.h"

namespace bv {
namespace {
PerContext<RuntimeError>& errors() {
  static PerContext<RuntimeError> perContext;
  return perContext;
}
}  // namespace

RuntimeError currentRuntimeError() { return errors().get(); }

void setRuntimeError(const RuntimeError& error) { errors().get() = error; }

void setRuntimeError(int code, const QString& text, const QString& fileCode,
                     const QString& fileText) {
  setRuntimeError(RuntimeError{code, text, fileCode, fileText});
}

void clearRuntimeError() { errors().get() = RuntimeError{}; }

void dropRuntimeError(ContextId id) { errors().drop(id); }

}  // namespace bv
