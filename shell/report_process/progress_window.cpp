#include "shell/report_process/progress_window.h"

#include "shell/report_process/report_process.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace bv {

ProgressWindow::ProgressWindow(ReportProcess& process, QWidget* parent)
    : QWidget(parent), process_(process) {
  setWindowTitle(QStringLiteral("Progreso..."));
  setObjectName(QStringLiteral("Progreso"));
  auto* layout = new QVBoxLayout(this);
  thermometer_ = new QProgressBar(this);
  thermometer_->setObjectName(QStringLiteral("?PROGRESS:THERMOMETER"));
  thermometer_->setRange(0, 100);
  thermometer_->setTextVisible(false);
  userText_ = new QLabel(this);
  userText_->setObjectName(QStringLiteral("?PROGRESS:USERSTRING"));
  userText_->setAlignment(Qt::AlignCenter);
  pctText_ = new QLabel(this);
  pctText_->setObjectName(QStringLiteral("?PROGRESS:PCTTEXT"));
  pctText_->setAlignment(Qt::AlignCenter);
  auto* cancel = new QPushButton(QStringLiteral("Cancelar"), this);
  cancel->setObjectName(QStringLiteral("?PROGRESS:CANCEL"));
  cancel->setIcon(QIcon(QStringLiteral(":/icons/wizcncl.svg")));
  layout->addWidget(thermometer_);
  layout->addWidget(userText_);
  layout->addWidget(pctText_);
  layout->addWidget(cancel, 0, Qt::AlignHCenter);

  process_.onProgress([this](int percent, const QString& text) {
    thermometer_->setValue(percent);
    pctText_->setText(text);
  });
  connect(cancel, &QPushButton::clicked, this, [this] {
    process_.cancel();
    finish();
  });
  connect(&timer_, &QTimer::timeout, this, &ProgressWindow::tick);
}

void ProgressWindow::start(int periodMs) {
  process_.open();
  timer_.start(periodMs);
}

void ProgressWindow::setUserText(const QString& text) { userText_->setText(text); }

void ProgressWindow::tick() {
  if (process_.timerEvent() != 0) finish();
}

void ProgressWindow::finish() {
  if (done_) return;
  done_ = true;
  timer_.stop();
  hide();
  process_.close(preview_);
  emit finished(static_cast<int>(process_.response()));
  close();
}

}  // namespace bv
