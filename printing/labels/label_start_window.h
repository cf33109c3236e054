#pragma once
// ImprimirEtiquetas1, "Impresion de Etiquetas": the number of labels the
// marked orders give, the row and column the printing starts at (typed, or
// chosen by clicking one of the 16 rectangles that draw the sheet, the chosen
// one red and the others white), a bar with the share of labels laid out, and
// "Imprimir", which fills the work table and starts ImprimirEtiquetas2 on a
// new thread. "Cancelar" closes the window.
//
// Controls: "?LOC:TOTAL" (the count), "?GLO:FILA", "?GLO:COLUMNA", the
// rectangles "?Rectangulo1" to "?Rectangulo16", "?Progreso", "?Imprimir",
// "?Cancelar".
#include <QWidget>
#include <array>
#include <functional>

#include "printing/labels/label_sheet.h"
#include "runtime/context.h"

class QFrame;
class QLabel;
class QLineEdit;
class QProgressBar;

namespace bv {

class FileManagers;

class LabelStartWindow : public QWidget {
  Q_OBJECT
 public:
  // Starts a procedure by name on a new thread; answers its context (0 when
  // it could not be started).
  using Starter = std::function<ContextId(const QString& procedure)>;

  LabelStartWindow(FileManagers& files, ContextId context, QWidget* parent = nullptr);

  // By default the frame this window sits in starts the report.
  void setStarter(Starter starter) { starter_ = std::move(starter); }
  // The position shown now, as GLO:FILA and GLO:COLUMNA hold it.
  labels::SheetPosition position() const;
  // A rectangle clicked: its row and column into the globals and the entries.
  void chooseRectangle(int k);
  // "Imprimir". False when the position is not valid or the fill failed.
  bool print();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showTotal();
  void takeTypedPosition();
  void paintSheet();

  FileManagers& files_;
  ContextId context_;
  Starter starter_;
  QLabel* total_;
  QLineEdit* row_;
  QLineEdit* column_;
  std::array<QFrame*, labels::kRectangles> rectangles_{};
  QProgressBar* progress_;
};

}  // namespace bv
