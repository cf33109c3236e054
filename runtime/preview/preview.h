#pragma once
// Running the print preview for a report and getting its answer.
//
// On screen the preview window is shown until the user prints or leaves. Without a
// screen (the headless runner, tests) the same two questions go through the
// choices interface:
//   "vista-previa"          options "Imprimir" and "Salir", default "Imprimir";
//   "vista-previa-paginas"  free text: the pages to print ("1-3,5"); an empty
//                           answer or "Todas" prints every page; default all.
// A cancelled question, or a page list that names no page of the report, answers
// leave. A report without pages answers leave without asking.
#include "runtime/preview/preview_decision.h"

class QWidget;

namespace bv {

class Report;
class WindowPositionStore;

struct PreviewOptions {
  bool onScreen = true;
  WindowPositionStore* positions = nullptr;  // on screen only; may be null
  QWidget* parent = nullptr;                 // on screen only
};

// Shows the report's pages and answers whether to print them, and which. On
// screen this waits, with the window application-modal, until it answers.
PreviewDecision runPreview(const Report& report, const PreviewOptions& options = {});

// The preview's answer through the choices interface.
PreviewDecision decideWithoutScreen(const Report& report);

}  // namespace bv
