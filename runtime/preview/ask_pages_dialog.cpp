#include "runtime/preview/ask_pages_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "runtime/preview/preview_names.h"
#include "runtime/window_position_store.h"

namespace bv {

AskPagesDialog::AskPagesDialog(int pageCount, int currentPage, WindowPositionStore* positions,
                               QWidget* parent)
    : QDialog(parent), pageCount_(pageCount), currentPage_(currentPage), positions_(positions) {
  using namespace preview;
  setObjectName(QString::fromLatin1(kAskPages));
  setWindowTitle(QStringLiteral("Páginas a Imprimir"));

  all_ = new QRadioButton(QStringLiteral("&Todas (1 a %1)").arg(pageCount), this);
  all_->setObjectName(QString::fromLatin1(kAskAll));
  current_ = new QRadioButton(QStringLiteral("Página &actual (%1)").arg(currentPage), this);
  current_->setObjectName(QString::fromLatin1(kAskCurrent));
  range_ = new QRadioButton(QStringLiteral("&Páginas:"), this);
  range_->setObjectName(QString::fromLatin1(kAskRange));
  list_ = new QLineEdit(this);
  list_->setObjectName(QString::fromLatin1(kAskList));
  list_->setPlaceholderText(QStringLiteral("por ejemplo 1-3,5"));
  error_ = new QLabel(this);
  error_->setObjectName(QString::fromLatin1(kAskError));
  error_->setStyleSheet(QStringLiteral("color: #b00000"));
  error_->hide();
  all_->setChecked(true);
  // Typing a list chooses it.
  connect(list_, &QLineEdit::textEdited, this, [this] { range_->setChecked(true); });

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QString::fromLatin1(kAskOk));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QString::fromLatin1(kAskCancel));
  connect(buttons, &QDialogButtonBox::accepted, this, &AskPagesDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &AskPagesDialog::reject);

  auto* rangeRow = new QHBoxLayout;
  rangeRow->addWidget(range_);
  rangeRow->addWidget(list_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(all_);
  layout->addWidget(current_);
  layout->addLayout(rangeRow);
  layout->addWidget(error_);
  layout->addWidget(buttons);
}

void AskPagesDialog::accept() {
  if (all_->isChecked()) {
    selection_ = PageSelection::all(pageCount_);
  } else if (current_->isChecked()) {
    selection_ = PageSelection::range(currentPage_, currentPage_);
  } else {
    auto parsed = PageSelection::parse(list_->text(), pageCount_);
    if (!parsed) {
      error_->setText(QStringLiteral("Ingrese páginas de 1 a %1, separadas por comas (1-3,5).")
                          .arg(pageCount_));
      error_->show();
      list_->setFocus();
      return;
    }
    selection_ = *parsed;
  }
  QDialog::accept();
}

void AskPagesDialog::done(int result) {
  if (positions_) positions_->save(QString::fromLatin1(preview::kAskPagesPosition), *this);
  QDialog::done(result);
}

void AskPagesDialog::showEvent(QShowEvent* event) {
  if (!restored_ && positions_) positions_->restore(QString::fromLatin1(preview::kAskPagesPosition), *this);
  restored_ = true;
  QDialog::showEvent(event);
}

}  // namespace bv
