#include "runtime/preview/preview_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "runtime/preview/ask_pages_dialog.h"
#include "runtime/preview/page_grid_view.h"
#include "runtime/preview/preview_names.h"
#include "runtime/preview/zoom.h"
#include "runtime/report/report.h"
#include "runtime/window_position_store.h"

namespace bv {
namespace {

QPushButton* button(const char* name, const QString& caption, const QString& tip, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setToolTip(tip);
  b->setAutoDefault(false);
  return b;
}

QSpinBox* spinBox(const char* name, int most, QWidget* parent) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(QString::fromLatin1(name));
  s->setRange(1, most);
  return s;
}

}  // namespace

PreviewWindow::PreviewWindow(const Report& report, WindowPositionStore* positions, QWidget* parent)
    : QWidget(parent), report_(report), positions_(positions) {
  using namespace preview;
  setObjectName(QString::fromLatin1(kWindow));
  setWindowTitle(QString::fromLatin1(kWindowCaption));
  first_ = report_.pageCount() > 0 ? 1 : 0;

  firstButton_ = button(kFirst, QStringLiteral("|<"), QStringLiteral("Primera página"), this);
  previousButton_ = button(kPrevious, QStringLiteral("<"), QStringLiteral("Página anterior"), this);
  nextButton_ = button(kNext, QStringLiteral(">"), QStringLiteral("Página siguiente"), this);
  lastButton_ = button(kLast, QStringLiteral(">|"), QStringLiteral("Última página"), this);
  goToButton_ = button(kGoTo, QStringLiteral("Ir &a..."), QStringLiteral("Ir a una página"), this);
  printButton_ = button(kPrint, QStringLiteral("&Imprimir"), QStringLiteral("Imprimir el reporte"), this);
  QPushButton* exitButton = button(kExit, QStringLiteral("&Salir"), QStringLiteral("Salir sin imprimir"), this);
  pageLabel_ = new QLabel(this);
  pageLabel_->setObjectName(QString::fromLatin1(kPageNumber));
  acrossBox_ = spinBox(kAcross, kMaxAcross, this);
  downBox_ = spinBox(kDown, kMaxDown, this);
  zoomBox_ = new QComboBox(this);
  zoomBox_->setObjectName(QString::fromLatin1(kZoom));
  for (const ZoomStep& step : zoomSteps()) zoomBox_->addItem(step.label);

  view_ = new PageGridView(report_, this);
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QString::fromLatin1(kScroll));
  scroll_->setWidget(view_);
  scroll_->setWidgetResizable(false);
  scroll_->setAlignment(Qt::AlignCenter);
  scroll_->setBackgroundRole(QPalette::Dark);

  auto* tools = new QHBoxLayout;
  for (QWidget* w : {static_cast<QWidget*>(firstButton_), static_cast<QWidget*>(previousButton_),
                     static_cast<QWidget*>(pageLabel_), static_cast<QWidget*>(nextButton_),
                     static_cast<QWidget*>(lastButton_), static_cast<QWidget*>(goToButton_)})
    tools->addWidget(w);
  tools->addSpacing(12);
  tools->addWidget(new QLabel(QStringLiteral("Páginas a lo ancho:"), this));
  tools->addWidget(acrossBox_);
  tools->addWidget(new QLabel(QStringLiteral("a lo alto:"), this));
  tools->addWidget(downBox_);
  tools->addWidget(new QLabel(QStringLiteral("Zoom:"), this));
  tools->addWidget(zoomBox_);
  tools->addStretch(1);
  tools->addWidget(printButton_);
  tools->addWidget(exitButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(tools);
  layout->addWidget(scroll_, 1);
  resize(900, 700);

  connect(firstButton_, &QPushButton::clicked, this, &PreviewWindow::firstPage);
  connect(previousButton_, &QPushButton::clicked, this, &PreviewWindow::previousPage);
  connect(nextButton_, &QPushButton::clicked, this, &PreviewWindow::nextPage);
  connect(lastButton_, &QPushButton::clicked, this, &PreviewWindow::lastPage);
  connect(goToButton_, &QPushButton::clicked, this, &PreviewWindow::askJump);
  connect(printButton_, &QPushButton::clicked, this, &PreviewWindow::askPrint);
  connect(exitButton, &QPushButton::clicked, this, &PreviewWindow::leave);
  connect(acrossBox_, &QSpinBox::valueChanged, this, &PreviewWindow::setPagesAcross);
  connect(downBox_, &QSpinBox::valueChanged, this, &PreviewWindow::setPagesDown);
  connect(zoomBox_, &QComboBox::currentIndexChanged, this, &PreviewWindow::setZoomIndex);
  new QShortcut(QKeySequence::MoveToNextPage, this, this, &PreviewWindow::nextPage);
  new QShortcut(QKeySequence::MoveToPreviousPage, this, this, &PreviewWindow::previousPage);
  new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home), this, this, &PreviewWindow::firstPage);
  new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_End), this, this, &PreviewWindow::lastPage);
  refresh();
}

PreviewWindow::~PreviewWindow() = default;

int PreviewWindow::pageCount() const { return report_.pageCount(); }

QString PreviewWindow::jumpPrompt() const {
  return QStringLiteral("Ingrese una página de 1 a %1").arg(pageCount());
}

int PreviewWindow::pageDpi() const {
  const ZoomStep& step = zoomSteps()[zoom_];
  QSize room = scroll_->viewport()->size();
  // A page fitted to the width is taller than the view: leave room for the
  // vertical scroll bar it brings, so no horizontal one follows.
  if (step.mode == ZoomStep::Mode::PageWidth && !scroll_->verticalScrollBar()->isVisible())
    room.rwidth() -= style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  return zoomDpi(step, report_.pageSize(), across_, down_, room, logicalDpiX(), PageGridView::kGap);
}

void PreviewWindow::goToPage(int page) {
  if (pageCount() == 0) return;
  const int wanted = std::clamp(page, 1, pageCount());
  if (wanted != first_) scroll_->verticalScrollBar()->setValue(0);  // a new view starts at its top
  first_ = wanted;
  refresh();
}

void PreviewWindow::firstPage() { goToPage(1); }
void PreviewWindow::previousPage() { goToPage(first_ - pagesPerView()); }
void PreviewWindow::nextPage() {
  // Never past the view that shows the last page.
  goToPage(std::min(first_ + pagesPerView(), std::max(1, pageCount() - pagesPerView() + 1)));
}
void PreviewWindow::lastPage() { goToPage(pageCount() - pagesPerView() + 1); }

void PreviewWindow::setPagesAcross(int n) {
  across_ = std::clamp(n, 1, kMaxAcross);
  refresh();
}

void PreviewWindow::setPagesDown(int n) {
  down_ = std::clamp(n, 1, kMaxDown);
  refresh();
}

void PreviewWindow::setZoomIndex(int index) {
  if (index < 0 || index >= zoomSteps().size()) return;
  zoom_ = index;
  refresh();
}

void PreviewWindow::refresh() {
  const QSignalBlocker a(acrossBox_), d(downBox_), z(zoomBox_);
  acrossBox_->setValue(across_);
  downBox_->setValue(down_);
  zoomBox_->setCurrentIndex(zoom_);

  const int count = pageCount();
  const int last = std::min(count, first_ + pagesPerView() - 1);
  if (count == 0)
    pageLabel_->setText(QStringLiteral("Sin páginas"));
  else if (last == first_)
    pageLabel_->setText(QStringLiteral("Página %1 de %2").arg(first_).arg(count));
  else
    pageLabel_->setText(QStringLiteral("Páginas %1 a %2 de %3").arg(first_).arg(last).arg(count));
  firstButton_->setEnabled(first_ > 1);
  previousButton_->setEnabled(first_ > 1);
  nextButton_->setEnabled(last < count);
  lastButton_->setEnabled(last < count);
  goToButton_->setEnabled(count > 1);
  printButton_->setEnabled(count > 0 && !decided_);

  view_->setGrid(std::max(1, first_), across_, down_, pageDpi());
}

void PreviewWindow::askJump() {
  if (pageCount() == 0) return;
  if (jumpDialog_ && jumpDialog_->isVisible()) {
    jumpDialog_->raise();
    return;
  }
  auto* dialog = new QInputDialog(this);
  dialog->setObjectName(QString::fromLatin1(preview::kGoToDialog));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(QStringLiteral("Ir a la Página"));
  dialog->setInputMode(QInputDialog::IntInput);
  dialog->setLabelText(jumpPrompt());
  dialog->setIntRange(1, pageCount());
  dialog->setIntValue(std::max(1, first_));
  dialog->setOkButtonText(QStringLiteral("Aceptar"));
  dialog->setCancelButtonText(QStringLiteral("Cancelar"));
  connect(dialog, &QInputDialog::intValueSelected, this, &PreviewWindow::goToPage);
  jumpDialog_ = dialog;
  dialog->open();
}

void PreviewWindow::askPrint() {
  if (pageCount() == 0 || decided_) return;
  if (askDialog_ && askDialog_->isVisible()) {
    askDialog_->raise();
    return;
  }
  auto* dialog = new AskPagesDialog(pageCount(), std::max(1, first_), positions_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QDialog::accepted, this,
          [this, dialog] { decide(PreviewDecision::printing(dialog->selection())); });
  askDialog_ = dialog;
  dialog->open();
}

void PreviewWindow::leave() { decide(PreviewDecision::leave()); }

void PreviewWindow::decide(const PreviewDecision& decision) {
  if (decided_) return;
  decided_ = true;
  if (positions_) positions_->save(QString::fromLatin1(preview::kWindowPosition), *this);
  // A receiver may delete the window as soon as it has the answer.
  const QPointer<PreviewWindow> self(this);
  emit decided(decision);
  if (self) close();
}

void PreviewWindow::showEvent(QShowEvent* event) {
  if (!restored_ && positions_) positions_->restore(QString::fromLatin1(preview::kWindowPosition), *this);
  restored_ = true;
  QWidget::showEvent(event);
  refresh();
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  refresh();
}

void PreviewWindow::closeEvent(QCloseEvent* event) {
  // Closing the window without an answer is leaving without printing.
  decide(PreviewDecision::leave());
  QWidget::closeEvent(event);
}

}  // namespace bv
