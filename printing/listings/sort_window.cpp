#include "printing/listings/sort_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "kalrep/screen.h"
#include "printing/listings/listing_bounds.h"
#include "runtime/choices.h"
#include "shell/system_images.h"

using namespace Qt::StringLiterals;

namespace bv {

SortWindow::SortWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(u"OrdenListado"_s);
  setWindowTitle(u"Listado de Productos Terminados"_s);
  auto* prompt = new QLabel(u"Ordenado por:"_s, this);
  list_ = new QListWidget(this);
  list_->setObjectName(u"?OrdenadoPor"_s);
  list_->addItems(listing::sortChoices());
  list_->setCurrentRow(0);
  prompt->setBuddy(list_);
  auto* ok = new QPushButton(systemIcon(u"wizOk.ico"_s), u"Aceptar"_s, this);
  ok->setObjectName(u"?Aceptar"_s);
  ok->setToolTip(u"Aceptar el orden"_s);
  ok->setDefault(true);
  auto* cancel = new QPushButton(systemIcon(u"wizCncl.ico"_s), u"Cancelar"_s, this);
  cancel->setObjectName(u"?Cancelar"_s);
  cancel->setToolTip(u"Cancelar la acción"_s);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int SortWindow::choice() const { return std::max(0, list_->currentRow()) + 1; }

std::optional<int> SortWindow::ask(QWidget* parent) {
  if (hasScreen()) {
    SortWindow window(parent);
    window.setWindowModality(Qt::ApplicationModal);
    if (window.exec() != QDialog::Accepted) return std::nullopt;
    return window.choice();
  }
  const QStringList choices = listing::sortChoices();
  const auto answer = Choices::ask(Choice{QString::fromLatin1(kChoiceId), u"Listado de Productos Terminados"_s,
                                          u"Ordenado por:"_s, choices, choices.front()});
  if (!answer) return std::nullopt;
  const int choice = listing::sortChoiceOf(*answer);
  if (choice == 0) return std::nullopt;
  return choice;
}

}  // namespace bv
