#pragma once
// The runtime's current error, kept per execution context: the file layer sets
// it after each file operation and the error manager captures it when a message
// is raised, so a window always reports the error of its own operation.
#include "runtime/context.h"

#include <QString>

namespace bv {

struct RuntimeError {
  int code = 0;           // 0 = no error; 90 = a file-system error
  QString text;           // the runtime's text for the code
  QString fileCode;       // the file system's own code, for code 90
  QString fileText;       // the file system's own text, for code 90
  friend bool operator==(const RuntimeError&, const RuntimeError&) = default;
};

// The current context's error.
RuntimeError currentRuntimeError();
void setRuntimeError(const RuntimeError& error);
void setRuntimeError(int code, const QString& text, const QString& fileCode = {},
                     const QString& fileText = {});
void clearRuntimeError();
// Forgets the error of a context that has ended.
void dropRuntimeError(ContextId id);

}  // namespace bv
