#include "kalrep/layout_choice_windows.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "kalrep/beep.h"
#include "kalrep/screen.h"

namespace bv {
namespace {

QHBoxLayout* acceptCancel(QDialog* window, const QString& acceptHint, const QString& cancelHint,
                          QPushButton** ok) {
  *ok = new QPushButton(kalIcon(QStringLiteral("kalok.ico")), QStringLiteral("Aceptar"), window);
  (*ok)->setObjectName(QStringLiteral("?ACEPTAR"));
  (*ok)->setDefault(true);
  if (!acceptHint.isEmpty()) (*ok)->setToolTip(acceptHint);
  auto* cancel =
      new QPushButton(kalIcon(QStringLiteral("kalcance.ico")), QStringLiteral("Cancelar"), window);
  cancel->setObjectName(QStringLiteral("?CANCELAR"));
  if (!cancelHint.isEmpty()) cancel->setToolTip(cancelHint);
  QObject::connect(cancel, &QPushButton::clicked, window, &QDialog::reject);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(*ok);
  row->addWidget(cancel);
  return row;
}

}  // namespace

LayoutListWindow::LayoutListWindow(const QString& name, const QString& title,
                                   const QStringList& entries, const QString& acceptHint,
                                   QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
  setObjectName(name);
  setWindowTitle(title);
  setAttribute(Qt::WA_DeleteOnClose);
  list_->setObjectName(QStringLiteral("?LISTA"));
  list_->addItems(entries);
  if (!entries.isEmpty()) list_->setCurrentRow(0);
  QPushButton* ok = nullptr;
  auto* buttons = acceptCancel(this, acceptHint, QString::fromUtf8("Cancelar la acción"), &ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(title, this));
  layout->addWidget(list_);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &LayoutListWindow::choose);
  connect(list_, &QListWidget::itemDoubleClicked, this, &LayoutListWindow::choose);
}

LayoutListWindow* LayoutListWindow::selectColumn(const QStringList& headings, QWidget* parent) {
  return new LayoutListWindow(QStringLiteral("KALSELECTCAMPOWINDOW"),
                              QStringLiteral("Campo a mostrar"), headings,
                              QStringLiteral("Seleccionar el campo"), parent);
}

LayoutListWindow* LayoutListWindow::recoverLayout(const QStringList& names, QWidget* parent) {
  return new LayoutListWindow(QStringLiteral("KALRECUPERARCAMPOWINDOW"),
                              QStringLiteral("Modelos guardados"), names,
                              QStringLiteral("Recuperar el modelo"), parent);
}

void LayoutListWindow::choose() {
  const int row = list_->currentRow();
  if (row < 0) return;
  accept();
  emit chosen(row);
}

LayoutNameWindow::LayoutNameWindow(QWidget* parent)
    : QDialog(parent), name_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("KALDOGUARDARCAMPOWINDOW"));
  setWindowTitle(QStringLiteral("Guardar Modelo"));
  setAttribute(Qt::WA_DeleteOnClose);
  name_->setObjectName(QStringLiteral("?NOMBRE"));
  name_->setMaxLength(kNameLength);
  auto* prompt = new QLabel(QStringLiteral("Nombre:"), this);
  prompt->setBuddy(name_);
  auto* field = new QHBoxLayout;
  field->addWidget(prompt);
  field->addWidget(name_);
  QPushButton* ok = nullptr;
  auto* buttons = acceptCancel(this, QStringLiteral("Guardar el modelo"),
                               QString::fromUtf8("Cancelar la acción"), &ok);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(field);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &LayoutNameWindow::choose);
}

void LayoutNameWindow::choose() {
  if (name_->text().trimmed().isEmpty()) {
    beep();
    return;
  }
  accept();
  emit chosen(name_->text());
}

}  // namespace bv
