#pragma once
// The window "Generar Planilla": "Procesar" makes the Planilla file anew from
// the formulas and then runs the report RPT:GeneraPlanilla on its progress
// window; "Salir" closes the window. Controls: "?PROCESAR", "?SALIR".
#include <QPointer>
#include <QWidget>
#include <memory>

#include "runtime/context.h"

class QPushButton;

namespace bv {

class FileManagers;
class FormulaSheetReport;
class ProgressWindow;

class FormulaSheetWindow : public QWidget {
  Q_OBJECT
 public:
  // The window's procedure runs in `context`.
  FormulaSheetWindow(FileManagers& files, ContextId context, QWidget* parent = nullptr);
  ~FormulaSheetWindow() override;

  // The report running now (null when none), for tests.
  FormulaSheetReport* runningReport() const { return report_.get(); }

 private:
  void process();
  void reportFinished();

  FileManagers& files_;
  ContextId context_;
  QPushButton* process_;
  std::unique_ptr<FormulaSheetReport> report_;
  QPointer<ProgressWindow> progress_;
};

}  // namespace bv
