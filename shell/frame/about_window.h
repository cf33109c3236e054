#pragma once
// The About window ("Acerca de..."): the program's picture, credits and legal
// notice, and "&Cerrar". The frame waits while it is open; it closes itself as
// soon as it loses the focus, so a click on any other window closes it.
#include <QDialog>
#include <QPixmap>

namespace bv {

class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  static inline const QString kProcedureName = QStringLiteral("AboutWindow");

  explicit AboutWindow(QWidget* parent = nullptr);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap background_;
  bool wasActive_ = false;
};

// Shows the About window over `parent` and returns when it has closed. Runs in
// the caller's context under the procedure name "AboutWindow".
void runAboutWindow(QWidget* parent);

}  // namespace bv
