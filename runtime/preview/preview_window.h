#pragma once
// The print preview window ("Report Preview"): shows a report's printed pages and
// answers whether to print them.
//
// Pages are shown `across` × `down` at a time, at one of the zoom steps; the
// buttons move a whole view of pages at a time, and "Ir a..." jumps to a page.
// "Imprimir" asks which pages and then answers print; "Salir" (or closing the
// window) answers leave. The answer comes once, as the signal decided(); the
// window then closes. A caller may put it in the main frame as a child window and
// wait for decided(), or use runPreview() (runtime/preview/preview.h).
//
// The window restores its position under "_PreviewWindow_" when first shown and
// saves it when it answers; its page question does the same under
// "_PreviewAskPagesWindow_".
#include <QPointer>
#include <QWidget>

#include "runtime/preview/preview_decision.h"

class QComboBox;
class QInputDialog;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace bv {

class AskPagesDialog;
class PageGridView;
class Report;
class WindowPositionStore;

class PreviewWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kMaxAcross = 6;
  static constexpr int kMaxDown = 6;

  // The report must outlive the window. `positions` may be null.
  PreviewWindow(const Report& report, WindowPositionStore* positions, QWidget* parent = nullptr);
  ~PreviewWindow() override;

  int pageCount() const;
  // The first page on view (from 1; 0 for a report without pages).
  int currentPage() const { return first_; }
  int pagesAcross() const { return across_; }
  int pagesDown() const { return down_; }
  int zoomIndex() const { return zoom_; }
  // The resolution pages are drawn at for the current zoom.
  int pageDpi() const;
  bool hasDecided() const { return decided_; }
  // The text the jump question shows: "Ingrese una página de 1 a" and the count.
  QString jumpPrompt() const;

 public slots:
  void goToPage(int page);
  void firstPage();
  void previousPage();
  void nextPage();
  void lastPage();
  void setPagesAcross(int n);
  void setPagesDown(int n);
  void setZoomIndex(int index);
  // Opens the jump question (non-blocking).
  void askJump();
  // Opens the page question; its "Aceptar" answers print.
  void askPrint();
  void leave();

 signals:
  void decided(const bv::PreviewDecision& decision);

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void decide(const PreviewDecision& decision);
  void refresh();
  int pagesPerView() const { return across_ * down_; }

  const Report& report_;
  WindowPositionStore* positions_;
  int first_ = 0;
  int across_ = 1;
  int down_ = 1;
  int zoom_ = 0;
  bool restored_ = false;
  bool decided_ = false;

  PageGridView* view_;
  QScrollArea* scroll_;
  QPushButton* firstButton_;
  QPushButton* previousButton_;
  QPushButton* nextButton_;
  QPushButton* lastButton_;
  QPushButton* goToButton_;
  QPushButton* printButton_;
  QLabel* pageLabel_;
  QSpinBox* acrossBox_;
  QSpinBox* downBox_;
  QComboBox* zoomBox_;
  QPointer<QInputDialog> jumpDialog_;
  QPointer<AskPagesDialog> askDialog_;
};

}  // namespace bv
