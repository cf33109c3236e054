#include "printing/print_buttons.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "shell/call_window.h"

using namespace Qt::StringLiterals;

namespace bv {

QHBoxLayout* printButtons(QWidget& window, const QString& closeText, std::function<void()> print) {
  auto* printButton = new QPushButton(u"Imprimir"_s, &window);
  printButton->setObjectName(u"?Imprimir"_s);
  printButton->setDefault(true);
  auto* close = new QPushButton(closeText, &window);
  close->setObjectName(u'?' + closeText);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(printButton);
  row->addWidget(close);
  QObject::connect(printButton, &QPushButton::clicked, &window, std::move(print));
  QObject::connect(close, &QPushButton::clicked, &window, [&window] { frameOf(&window)->close(); });
  return row;
}

}  // namespace bv
