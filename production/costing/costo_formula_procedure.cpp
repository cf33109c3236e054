#include "production/costing/costo_formula_procedure.h"

#include <QMdiSubWindow>
#include <QPointer>

#include "kalrep/screen.h"
#include "production/costing/formula_cost_sheet.h"
#include "shell/child_window.h"
#include "shell/globals.h"
#include "shell/procedure_name_scope.h"
#include "shell/report_process/progress_window.h"

using namespace Qt::StringLiterals;

namespace bv {

QCoro::Task<void> runCostoFormula(FileManagers& files, ProcedureStart start) {
  const ProcedureNameScope name(start.context, u"CostoFormula"_s);
  // The formula's number is read once, at the start: the list may go on meanwhile.
  FormulaCostSheet sheet(files, start.context, glo().Formula);
  if (!start.area || !sheet.start()) co_return;

  auto window = std::make_unique<ProgressWindow>(sheet.process());
  ProgressWindow* progress = window.get();
  keepOnlyCloseButton(*progress);
  PreviewOptions preview;
  preview.onScreen = hasScreen();  // without one, the preview asks through the choices
  preview.parent = start.area;
  progress->setPreviewOptions(preview);
  QPointer<QMdiSubWindow> child = openChildWindow(*start.area, std::move(window), u"CostoFormula"_s);
  // The progress window closes only itself when the process ends: its child
  // window goes with it.
  QObject::connect(progress, &ProgressWindow::finished, child, &QMdiSubWindow::close,
                   Qt::QueuedConnection);
  progress->start();
  co_await whenDestroyed(child);
  const ContextGuard guard(start.context);
  sheet.finish();
}

}  // namespace bv
