#pragma once
// The procedure CostoFormula: the cost sheet of one formula, printed as a
// report process over the formula's lines. The window and bravent-cli run the
// same steps:
//
//   FormulaCostSheet sheet(files, context, glo().Formula);
//   if (sheet.start()) { ...run sheet.process() on a progress window, or
//                        sheet.process().runWithoutScreen()...; }
//   sheet.finish();
//
// start() opens the tables and takes the dollar rate of today; the process
// reads Formula1 in FOR1:KEYCOD order within the one formula, joined to its
// Formula2 lines and each line's Basicos record, and prints one detail per
// line with its cost in pesos; the totals follow at the end. A formula that
// does not exist gives no record: the process shows "No hay Registros" and
// prints nothing.
#include <memory>
#include <vector>

#include "runtime/context.h"
#include "runtime/decimal.h"
#include "runtime/report/report.h"
#include "shell/report_process/report_process.h"
#include "shell/report_process/view_reader.h"
#include "storage/views/view_manager.h"

namespace bv {

class FileManager;
class FileManagers;

class FormulaCostSheet {
 public:
  FormulaCostSheet(FileManagers& files, ContextId context, Decimal formula);
  ~FormulaCostSheet();
  FormulaCostSheet(const FormulaCostSheet&) = delete;
  FormulaCostSheet& operator=(const FormulaCostSheet&) = delete;

  // Opens the tables and the view, notes the date and time of issue and takes
  // the dollar rate. False when a table cannot be opened (its message shown).
  bool start();
  // Closes whatever the process left open. Safe to call more than once.
  void finish();

  Report& report() { return report_; }
  ReportProcess& process() { return process_; }

  // The rate in use (DOL:COTIZACION) and the totals printed so far.
  const Decimal& rate() const { return rate_; }
  const Decimal& totalQuantity() const { return totalQuantity_; }
  const Decimal& totalCost() const { return totalCost_; }

 private:
  void step();
  void fetchRelated();
  void fillHeading();
  void closeTables();

  ContextId context_;
  Decimal formula_;
  FileManager& formula1_;
  FileManager& formula2_;
  FileManager& basicos_;
  FileManager& aBasicos_;
  FileManager& terminado_;
  FileManager& dolar_;
  std::vector<FileManager*> opened_;
  ViewManager view_;
  std::unique_ptr<ContextViewReader> reader_;
  Report report_;
  ReportProcess process_;
  Decimal rate_;
  Decimal totalQuantity_;
  Decimal totalCost_;
};

}  // namespace bv
