#pragma once
// The progress window of a report process: "Progreso...", its thermometer,
// texts and "Cancelar". Its timer drives the process; when the process ends the
// window closes itself and the process shows the preview.
#include "runtime/preview/preview.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace bv {

class ReportProcess;

class ProgressWindow : public QWidget {
  Q_OBJECT
 public:
  // The process must outlive the window.
  ProgressWindow(ReportProcess& process, QWidget* parent = nullptr);

  // Opens the process and starts the timer.
  void start(int periodMs = 0);
  // The procedure's own text ("Ordenando los Registros").
  void setUserText(const QString& text);
  void setPreviewOptions(const PreviewOptions& options) { preview_ = options; }

 signals:
  // The process ended and the preview (if any) has answered.
  void finished(int response);

 private:
  void tick();
  void finish();

  ReportProcess& process_;
  QProgressBar* thermometer_;
  QLabel* userText_;
  QLabel* pctText_;
  QTimer timer_;
  PreviewOptions preview_;
  bool done_ = false;
};

}  // namespace bv
