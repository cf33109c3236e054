#pragma once
// The window "Copia las Formulas de una linea a otra" (CopiaFormulas): the
// source line, the destination line and the line of basics are typed into the
// globals GLO:DESDELINEA, GLO:HASTALINEA and GLO:LINEABASICOS; "Copiar" runs
// the copy (formula_copy.h) with its progress on the bar, then clears the
// three entries; "Salir" closes the window. Controls: "?GLO:DESDELINEA",
// "?GLO:HASTALINEA", "?GLO:LINEABASICOS", "?PROGRESO", "?COPIAR", "?SALIR".
#include <QWidget>

#include "runtime/context.h"

class QLineEdit;
class QProgressBar;
class QPushButton;

namespace bv {

class FileManagers;

class FormulaCopyWindow : public QWidget {
  Q_OBJECT
 public:
  FormulaCopyWindow(FileManagers& files, ContextId context, QWidget* parent = nullptr);

 private:
  void copy();

  FileManagers& files_;
  ContextId context_;
  QLineEdit* source_;
  QLineEdit* destination_;
  QLineEdit* basics_;
  QProgressBar* progress_;
  QPushButton* copy_;
};

}  // namespace bv
