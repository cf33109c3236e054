#include "exchange/formula_import_window.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "exchange/formula_import.h"
#include "kalrep/screen.h"
#include "runtime/message_presenter.h"
#include "shell/call_window.h"
#include "shell/file_selection.h"

namespace bv {

using namespace Qt::StringLiterals;

namespace {
constexpr int kPathLength = 100;
}

FormulaImportWindow::FormulaImportWindow(FileManagers& files, ContextId context, QWidget* parent)
    : QWidget(parent), files_(files), context_(context) {
  setObjectName(u"ImportarPlanilla"_s);
  setWindowTitle(u"Importar Formulas"_s);
  path_ = new QLineEdit(this);
  path_->setObjectName(u"?PLANILLA"_s);
  path_->setMaxLength(kPathLength);
  path_->setMinimumWidth(path_->fontMetrics().averageCharWidth() * 50);
  auto* browse = new QPushButton(u"..."_s, this);
  browse->setObjectName(u"?BUSCAR"_s);
  // Where the spreadsheet application sits while it reads the workbook.
  auto* container = new QFrame(this);
  container->setObjectName(u"?OLE"_s);
  container->setFrameShape(QFrame::StyledPanel);
  container->setMinimumHeight(40);
  code_ = new QLabel(this);
  code_->setObjectName(u"?TER:CODIGO"_s);
  process_ = new QPushButton(u"Procesar"_s, this);
  process_->setObjectName(u"?PROCESAR"_s);
  process_->setDefault(true);
  quit_ = new QPushButton(u"Salir"_s, this);
  quit_->setObjectName(u"?SALIR"_s);

  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(path_, 1);
  pathRow->addWidget(browse);
  auto* form = new QFormLayout;
  auto* prompt = new QLabel(u"Planilla:"_s, this);
  prompt->setBuddy(path_);
  form->addRow(prompt, pathRow);
  form->addRow(container);
  form->addRow(code_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(process_);
  buttons->addWidget(quit_);
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addLayout(buttons);

  connect(browse, &QPushButton::clicked, this, &FormulaImportWindow::chooseFile);
  connect(process_, &QPushButton::clicked, this, &FormulaImportWindow::process);
  connect(quit_, &QPushButton::clicked, this, [this] {
    if (!running_) frameOf(this)->close();
  });
}

void FormulaImportWindow::chooseFile() {
  FileSelection selection;
  selection.title = u"Planilla de Formulas a Importar"_s;
  selection.masks = {{u"Planillas"_s, u"*.XLS;*.XLSX"_s}};
  selection.keepCurrentDirectory = true;  // the data files are reached by relative names
  selection.onScreen = hasScreen();
  selection.parent = this;
  const QString chosen = selectFile(selection);
  if (!chosen.isEmpty()) path_->setText(chosen.left(kPathLength));
}

void FormulaImportWindow::process() {
  if (running_) return;
  const ContextGuard guard(context_);
  running_ = true;
  process_->hide();
  quit_->hide();
  FormulaImport import(files_);
  // The rows go by with the window painted, but no key or click reaches it
  // until the import has ended.
  import.beforeRow = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
  QPointer<QLabel> code = code_;
  import.showCode = [code](const QString& text) {
    if (code) code->setText(text);
  };
  const ImportOutcome outcome = import.run(path_->text());
  process_->show();
  quit_->show();
  running_ = false;
  if (outcome.end == ImportOutcome::End::Finished) showMessage(outcome.closingText());
}

}  // namespace bv
