#include "shell/frame/main_frame.h"

namespace bv {

ContextId startProcedureFrom(QWidget* window, const QString& name) {
  auto* frame = window ? qobject_cast<MainFrame*>(window->window()) : nullptr;
  return frame ? frame->startProcedure(name) : 0;
}

}  // namespace bv
