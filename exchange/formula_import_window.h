#pragma once
// The window "Importar Formulas" (ImportarPlanilla): the workbook's path typed
// or chosen with "...", and "Procesar", which imports it (formula_import.h)
// showing the code of each product as its formula is written; "Salir" closes
// the window. Controls: "?PLANILLA" (the path), "?BUSCAR" ("..."), "?OLE" (the
// spreadsheet's container), "?TER:CODIGO", "?PROCESAR", "?SALIR".
#include <QWidget>

#include "runtime/context.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace bv {

class FileManagers;

class FormulaImportWindow : public QWidget {
  Q_OBJECT
 public:
  FormulaImportWindow(FileManagers& files, ContextId context, QWidget* parent = nullptr);

 private:
  void chooseFile();
  void process();

  FileManagers& files_;
  ContextId context_;
  QLineEdit* path_;
  QLabel* code_;
  QPushButton* process_;
  QPushButton* quit_;
  bool running_ = false;
};

}  // namespace bv
