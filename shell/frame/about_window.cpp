#include "shell/frame/about_window.h"

#include "shell/child_window.h"
#include "shell/system_images.h"
#include "storage/errors/error_manager.h"

#include <QEvent>
#include <QEventLoop>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace bv {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 240;

QLabel* text(const QString& s, QWidget* parent, bool bold = false, bool wrap = false) {
  auto* label = new QLabel(s, parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(wrap);
  if (bold) {
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
  }
  return label;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent), background_(systemPixmap(QStringLiteral("wizBck02.gif"))) {
  setObjectName(kProcedureName);
  setWindowTitle(QStringLiteral("Acerca de..."));
  setWindowFlags(closeOnlyFlags(Qt::Dialog));
  setFixedSize(kWidth, kHeight);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("?IMAGE1"));
  picture->setPixmap(systemPixmap(QStringLiteral("wizPower.gif")));
  picture->setFixedSize(96, 96);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("?PANEL1"));
  panel->setFrameShape(QFrame::StyledPanel);
  QPalette veil = panel->palette();
  veil.setColor(QPalette::Window, QColor(255, 255, 255, 170));
  panel->setPalette(veil);
  panel->setAutoFillBackground(true);
  auto* lines = new QVBoxLayout(panel);
  lines->setSpacing(4);
  lines->addWidget(text(QStringLiteral("Vantora - Sistema de Colores"), panel, true));
  lines->addWidget(text(QStringLiteral("Fórmulas de color, costos y producción"), panel, false, true));
  lines->addWidget(text(QStringLiteral("Desarrollado por el Área de Sistemas de Vantora."), panel, false, true));
  lines->addWidget(text(QStringLiteral("Este programa está protegido por las leyes de propiedad "
                                       "intelectual. Queda prohibida su reproducción o distribución, "
                                       "total o parcial, sin autorización escrita."),
                        panel, false, true));
  lines->addStretch();

  auto* close = new QPushButton(systemIcon(QStringLiteral("wizCncl.ico")), QStringLiteral("&Cerrar"), this);
  close->setObjectName(QStringLiteral("?CLOSE"));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* body = new QHBoxLayout;
  body->addWidget(picture, 0, Qt::AlignTop);
  body->addWidget(panel, 1);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(body, 1);
  outer->addWidget(close, 0, Qt::AlignRight);
}

bool AboutWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) wasActive_ = true;
  if (event->type() == QEvent::WindowDeactivate && wasActive_) close();
  return QDialog::event(event);
}

void AboutWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (!background_.isNull()) painter.drawPixmap(rect(), background_);
  QDialog::paintEvent(event);
}

void runAboutWindow(QWidget* parent) {
  ErrorManager::instance().setProcedureName(AboutWindow::kProcedureName);
  AboutWindow window(parent);
  QEventLoop loop;
  QObject::connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
  window.show();
  window.raise();
  window.activateWindow();
  loop.exec();
  ErrorManager::instance().removeProcedureName(AboutWindow::kProcedureName);
}

}  // namespace bv
