#include "printing/report_procedure.h"

#include <QMdiSubWindow>
#include <QPointer>

#include "kalrep/screen.h"
#include "printing/printed_report.h"
#include "shell/child_window.h"
#include "shell/procedure_name_scope.h"
#include "shell/report_process/progress_window.h"

namespace bv {
QCoro::Task<void> runPrintedReport(std::unique_ptr<PrintedReport> report, ProcedureStart start,
                                   QString procedure, QString userText) {
  const ProcedureNameScope name(start.context, procedure);
  if (!start.area || !report->start()) co_return;

  auto window = std::make_unique<ProgressWindow>(report->process());
  ProgressWindow* progress = window.get();
  keepOnlyCloseButton(*progress);
  if (!userText.isEmpty()) progress->setUserText(userText);
  PreviewOptions preview;
  preview.onScreen = hasScreen();  // without one, the preview asks through the choices
  preview.parent = start.area;
  progress->setPreviewOptions(preview);
  QPointer<QMdiSubWindow> child = openChildWindow(*start.area, std::move(window), procedure);
  // The progress window closes only itself when the process ends: its child
  // window goes with it.
  QObject::connect(progress, &ProgressWindow::finished, child, &QMdiSubWindow::close, Qt::QueuedConnection);
  progress->start();
  co_await whenDestroyed(child);
  const ContextGuard guard(start.context);
  report->finish();
}

}  // namespace bv
