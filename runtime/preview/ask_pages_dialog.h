#pragma once
// The preview's question which pages to print: all, the page on view, or a list
// typed as "1-3,5". A list that names no page of the report is refused with a
// line saying why, and the question stays.
#include <QDialog>

#include "runtime/report/page_selection.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace bv {

class WindowPositionStore;

class AskPagesDialog : public QDialog {
  Q_OBJECT
 public:
  AskPagesDialog(int pageCount, int currentPage, WindowPositionStore* positions,
                 QWidget* parent = nullptr);

  // The pages chosen, once accepted.
  const PageSelection& selection() const { return selection_; }

  void accept() override;
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  int pageCount_;
  int currentPage_;
  WindowPositionStore* positions_;
  bool restored_ = false;
  PageSelection selection_;
  QRadioButton* all_;
  QRadioButton* current_;
  QRadioButton* range_;
  QLineEdit* list_;
  QLabel* error_;
};

}  // namespace bv
