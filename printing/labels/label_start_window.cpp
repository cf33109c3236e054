#include "printing/labels/label_start_window.h"

#include <QApplication>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QVBoxLayout>

#include "printing/labels/label_fill.h"
#include "printing/print_buttons.h"
#include "runtime/report/report_font.h"
#include "shell/frame/main_frame.h"
#include "shell/globals.h"
#include "storage/errors/message_entry.h"

using namespace Qt::StringLiterals;

namespace bv {
namespace {

// The chosen rectangle's colour as the system stores colours: 255 is red.
constexpr long long kChosenColour = 255;

QLineEdit* digitEntry(const QString& name, int top, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMaxLength(1);
  e->setValidator(new QIntValidator(1, top, e));
  e->setAlignment(Qt::AlignRight);
  e->setMaximumWidth(40);
  return e;
}

}  // namespace

LabelStartWindow::LabelStartWindow(FileManagers& files, ContextId context, QWidget* parent)
    : QWidget(parent), files_(files), context_(context) {
  setObjectName(u"ImprimirEtiquetas1"_s);
  setWindowTitle(u"Impresion de Etiquetas"_s);
  starter_ = [this](const QString& name) { return startProcedureFrom(this, name); };

  total_ = new QLabel(this);
  total_->setObjectName(u"?LOC:TOTAL"_s);
  row_ = digitEntry(u"?GLO:FILA"_s, labels::kRows, this);
  column_ = digitEntry(u"?GLO:COLUMNA"_s, labels::kColumns, this);
  auto* fields = new QFormLayout;
  fields->addRow(u"Cantidad de etiquetas a imprimir:"_s, total_);
  fields->addRow(u"Fila en la que comienza la impresión:"_s, row_);
  fields->addRow(u"Columna en la que comienza la impresión:"_s, column_);

  // The sheet: 8 rows of 2 labels, numbered left to right and top to bottom.
  auto* sheet = new QFrame(this);
  sheet->setFrameShape(QFrame::Box);
  auto* grid = new QGridLayout(sheet);
  grid->setSpacing(3);
  for (int k = 1; k <= labels::kRectangles; ++k) {
    auto* r = new QFrame(sheet);
    r->setObjectName(u"?Rectangulo%1"_s.arg(k));
    r->setFrameShape(QFrame::Box);
    r->setMinimumSize(70, 16);
    r->setAutoFillBackground(true);
    r->setCursor(Qt::PointingHandCursor);
    r->installEventFilter(this);
    const labels::SheetPosition at = labels::positionOfRectangle(k);
    grid->addWidget(r, at.row - 1, at.column - 1);
    rectangles_[static_cast<std::size_t>(k - 1)] = r;
  }

  progress_ = new QProgressBar(this);
  progress_->setObjectName(u"?Progreso"_s);
  progress_->setRange(0, 100);
  progress_->setValue(0);

  auto* top = new QHBoxLayout;
  top->addLayout(fields);
  top->addWidget(sheet);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(progress_);
  layout->addLayout(printButtons(*this, u"Cancelar"_s, [this] { print(); }));

  connect(row_, &QLineEdit::editingFinished, this, &LabelStartWindow::takeTypedPosition);
  connect(column_, &QLineEdit::editingFinished, this, &LabelStartWindow::takeTypedPosition);

  // The position of the last run is offered again; the first one starts at the top.
  labels::SheetPosition start{static_cast<int>(glo().FILA.toInteger()), static_cast<int>(glo().COLUMNA.toInteger())};
  if (!labels::isValidStart(start)) start = {};
  glo().FILA = start.row;
  glo().COLUMNA = start.column;
  row_->setText(QString::number(start.row));
  column_->setText(QString::number(start.column));
  paintSheet();
  showTotal();
}

labels::SheetPosition LabelStartWindow::position() const {
  return {static_cast<int>(glo().FILA.toInteger()), static_cast<int>(glo().COLUMNA.toInteger())};
}

void LabelStartWindow::showTotal() {
  int total = 0;
  LabelFill(files_, context_).totalLabels(total);
  total_->setText(QString::number(total).rightJustified(3));
}

void LabelStartWindow::chooseRectangle(int k) {
  if (k < 1 || k > labels::kRectangles) return;
  const labels::SheetPosition at = labels::positionOfRectangle(k);
  glo().FILA = at.row;
  glo().COLUMNA = at.column;
  row_->setText(QString::number(at.row));
  column_->setText(QString::number(at.column));
  paintSheet();
}

void LabelStartWindow::takeTypedPosition() {
  const labels::SheetPosition typed{row_->text().toInt(), column_->text().toInt()};
  if (typed.row >= 1 && typed.row <= labels::kRows) glo().FILA = typed.row;
  if (typed.column >= 1 && typed.column <= labels::kColumns) glo().COLUMNA = typed.column;
  paintSheet();
}

void LabelStartWindow::paintSheet() {
  const int chosen = labels::isValidStart(position()) ? labels::rectangleOf(position()) : 0;
  for (int k = 1; k <= labels::kRectangles; ++k) {
    QFrame* r = rectangles_[static_cast<std::size_t>(k - 1)];
    QPalette p = r->palette();
    p.setColor(QPalette::Window, k == chosen ? colourFromBgr(kChosenColour) : QColor(Qt::white));
    r->setPalette(p);
  }
}

bool LabelStartWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
    for (int k = 1; k <= labels::kRectangles; ++k)
      if (watched == rectangles_[static_cast<std::size_t>(k - 1)]) {
        chooseRectangle(k);
        return true;
      }
  return QWidget::eventFilter(watched, event);
}

bool LabelStartWindow::print() {
  takeTypedPosition();
  const labels::SheetPosition start = position();
  if (!labels::isValidStart(start)) {
    QApplication::beep();
    row_->setFocus();
    return false;
  }
  const int filled = LabelFill(files_, context_).fill(start, [this](int percent) { progress_->setValue(percent); });
  showTotal();
  if (filled != kLevelBenign) return false;
  starter_(u"ImprimirEtiquetas2"_s);
  return true;
}

}  // namespace bv
