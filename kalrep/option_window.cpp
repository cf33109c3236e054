#include "kalrep/option_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "kalrep/export_codes.h"
#include "kalrep/screen.h"

namespace bv {

OptionWindow::OptionWindow(const OutputMenu& menu, QWidget* parent)
    : QDialog(parent), menu_(menu), group_(new QButtonGroup(this)), answer_(kal::kCancelled) {
  setWindowTitle(menu.title);
  setObjectName(QStringLiteral("?VENTANASALIDA"));
  auto* box = new QGroupBox(this);
  box->setObjectName(QStringLiteral("?OPCION"));
  auto* grid = new QGridLayout(box);
  int row = 0;
  for (const OutputOption& o : menu.options) {
    auto* radio = new QRadioButton(o.label, box);
    radio->setObjectName(QStringLiteral("?OPCION:%1").arg(o.code));
    radio->setIcon(kalIcon(o.icon));
    radio->setIconSize(QSize(32, 32));
    radio->setChecked(o.code == menu.preselected);
    group_->addButton(radio, o.code);
    grid->addWidget(radio, row, 0);
    if (!o.description.isEmpty()) grid->addWidget(new QLabel(o.description, box), row, 1);
    ++row;
  }
  auto* ok = new QPushButton(kalIcon(QStringLiteral("kalok.ico")), QStringLiteral("Aceptar"), this);
  ok->setObjectName(QStringLiteral("?ACEPTAR"));
  ok->setDefault(true);
  auto* cancel =
      new QPushButton(kalIcon(QStringLiteral("kalcance.ico")), QStringLiteral("Cancelar"), this);
  cancel->setObjectName(QStringLiteral("?CANCELAR"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &OptionWindow::accepted);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void OptionWindow::accepted() {
  const int checked = group_->checkedId();
  answer_ = checked >= 0 ? kal::Byte(checked) : menu_.preselected;
  accept();
}

kal::Byte OptionWindow::ask(const OutputMenu& menu, QWidget* parent) {
  OptionWindow window(menu, parent);
  window.setWindowModality(Qt::ApplicationModal);
  window.exec();
  return window.answer();
}

}  // namespace bv
