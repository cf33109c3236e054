#include "exchange/formula_copy_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "exchange/formula_copy.h"
#include "shell/call_window.h"
#include "shell/globals.h"

namespace bv {

using namespace Qt::StringLiterals;

namespace {

constexpr int kPrefixLength = 5;  // the three globals

QLineEdit* prefixEntry(const QString& name, QWidget* parent) {
  auto* entry = new QLineEdit(parent);
  entry->setObjectName(name);
  entry->setMaxLength(kPrefixLength);
  entry->setMaximumWidth(entry->fontMetrics().averageCharWidth() * 12);
  return entry;
}

QString padded(const QString& text) { return text.leftJustified(kPrefixLength, u' ', true); }

}  // namespace

FormulaCopyWindow::FormulaCopyWindow(FileManagers& files, ContextId context, QWidget* parent)
    : QWidget(parent), files_(files), context_(context) {
  setObjectName(u"CopiaFormulas"_s);
  setWindowTitle(u"Copia las Formulas de una linea a otra"_s);
  source_ = prefixEntry(u"?GLO:DESDELINEA"_s, this);
  destination_ = prefixEntry(u"?GLO:HASTALINEA"_s, this);
  basics_ = prefixEntry(u"?GLO:LINEABASICOS"_s, this);
  progress_ = new QProgressBar(this);
  progress_->setObjectName(u"?PROGRESO"_s);
  progress_->setRange(0, 100);
  progress_->setValue(0);
  copy_ = new QPushButton(u"Copiar"_s, this);
  copy_->setObjectName(u"?COPIAR"_s);
  copy_->setDefault(true);
  auto* quit = new QPushButton(u"Salir"_s, this);
  quit->setObjectName(u"?SALIR"_s);

  auto* form = new QFormLayout;
  form->addRow(u"Linea de origen:"_s, source_);
  form->addRow(u"Linea de destino:"_s, destination_);
  form->addRow(u"Linea de básicos:"_s, basics_);
  form->addRow(progress_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(copy_);
  buttons->addWidget(quit);
  auto* column = new QVBoxLayout(this);
  column->addLayout(form);
  column->addLayout(buttons);

  // The window is narrower than its title: the title is read whole.
  constexpr int kTitleBarFurniture = 90;  // the window's icon and buttons
  setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarFurniture);

  connect(copy_, &QPushButton::clicked, this, &FormulaCopyWindow::copy);
  connect(quit, &QPushButton::clicked, this, [this] {
    if (copy_->isEnabled()) frameOf(this)->close();
  });
}

void FormulaCopyWindow::copy() {
  const ContextGuard guard(context_);
  Globals& g = glo();
  g.DESDELINEA = padded(source_->text());
  g.HASTALINEA = padded(destination_->text());
  g.LINEABASICOS = padded(basics_->text());
  copy_->setEnabled(false);
  FormulaCopy copier(files_);
  copier.progress = [this](int value) {
    // Painted at once: the copy runs in a transaction, during which no other
    // event is let through.
    progress_->setValue(value);
    progress_->repaint();
  };
  const CopyOutcome outcome = copier.run({g.DESDELINEA, g.HASTALINEA, g.LINEABASICOS});
  copy_->setEnabled(true);
  if (outcome.end == CopyOutcome::End::MissingInput) {
    QLineEdit* entries[] = {source_, destination_, basics_};
    entries[missingInputs({g.DESDELINEA, g.HASTALINEA, g.LINEABASICOS}).front()]->setFocus();
  }
  g.DESDELINEA = padded({});
  g.HASTALINEA = padded({});
  g.LINEABASICOS = padded({});
  source_->clear();
  destination_->clear();
  basics_->clear();
}

}  // namespace bv
