#include "exchange/formula_sheet_window.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "exchange/formula_sheet_rebuild.h"
#include "exchange/formula_sheet_report.h"
#include "kalrep/screen.h"
#include "shell/call_window.h"
#include "shell/report_process/progress_window.h"

namespace bv {

FormulaSheetWindow::FormulaSheetWindow(FileManagers& files, ContextId context, QWidget* parent)
    : QWidget(parent), files_(files), context_(context) {
  setObjectName(QStringLiteral("GeneraPlanilla"));
  setWindowTitle(QStringLiteral("Generar Planilla"));
  process_ = new QPushButton(QStringLiteral("Procesar"), this);
  process_->setObjectName(QStringLiteral("?PROCESAR"));
  process_->setDefault(true);
  auto* quit = new QPushButton(QStringLiteral("Salir"), this);
  quit->setObjectName(QStringLiteral("?SALIR"));
  auto* row = new QHBoxLayout(this);
  row->addWidget(process_);
  row->addWidget(quit);
  connect(process_, &QPushButton::clicked, this, &FormulaSheetWindow::process);
  // "Salir" ends the window, child window frame and all: closing only this
  // widget would leave the frame's child window standing empty.
  connect(quit, &QPushButton::clicked, this, [this] { frameOf(this)->close(); });
}

FormulaSheetWindow::~FormulaSheetWindow() {
  // The progress window reads through the report: it goes first.
  delete progress_.data();
}

void FormulaSheetWindow::process() {
  const ContextGuard guard(context_);
  if (report_) return;  // a report is running
  if (rebuildFormulaSheet(files_) != 0) return;
  report_ = std::make_unique<FormulaSheetReport>(files_, context_);
  if (!report_->start()) {
    report_.reset();
    return;
  }
  process_->setEnabled(false);
  progress_ = new ProgressWindow(report_->process(), this);
  progress_->setWindowFlag(Qt::Window);
  progress_->setAttribute(Qt::WA_DeleteOnClose);
  PreviewOptions preview;
  preview.onScreen = hasScreen();  // without one, the preview asks through the choices
  preview.parent = this;
  progress_->setPreviewOptions(preview);
  connect(progress_, &ProgressWindow::finished, this, &FormulaSheetWindow::reportFinished);
  progress_->show();
  progress_->start();
}

void FormulaSheetWindow::reportFinished() {
  {
    const ContextGuard guard(context_);
    if (report_) report_->finish();
  }
  process_->setEnabled(true);
  // The progress window is still inside its own signal: the report it reads
  // through goes once control is back in the event loop.
  QMetaObject::invokeMethod(
      this, [this] { report_.reset(); }, Qt::QueuedConnection);
}

}  // namespace bv
