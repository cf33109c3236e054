#include "printing/printing_procedures.h"

#include "printing/labels/label_report.h"
#include "printing/labels/label_start_window.h"
#include "printing/labels/marking_list.h"
#include "printing/listings/formula_listing.h"
#include "printing/listings/product_listing.h"
#include "printing/listings/range_window.h"
#include "printing/listings/sort_window.h"
#include "printing/report_procedure.h"
#include "shell/browse/list_catalogue.h"
#include "shell/globals.h"
#include "shell/procedure_registry.h"

using namespace Qt::StringLiterals;

namespace bv {
namespace {

QCoro::Task<void> runLabelSheet(FileManagers& files, ProcedureStart start) {
  auto report = std::make_unique<LabelReport>(files, start.context);
  co_await runPrintedReport(std::move(report), std::move(start), u"ImprimirEtiquetas2"_s);
}

// The bounds are read once, as the report starts: the range window may
// change them for the next run meanwhile.
QCoro::Task<void> runFormulaListing(FileManagers& files, ProcedureStart start) {
  auto report = std::make_unique<FormulaListing>(files, start.context, ListingBounds::of(glo()));
  co_await runPrintedReport(std::move(report), std::move(start), u"ListadoFormulas"_s);
}

QCoro::Task<void> runProductListing(FileManagers& files, ProcedureStart start) {
  const ListingBounds bounds = ListingBounds::of(glo());
  const std::optional<int> choice = SortWindow::ask(start.area);
  if (!choice) co_return;  // cancelled: no report
  auto report = std::make_unique<ProductListing>(files, start.context, bounds, listing::sortField(*choice));
  co_await runPrintedReport(std::move(report), std::move(start), u"ListadoTerminados"_s,
                            u"Ordenando los Registros"_s);
}

std::unique_ptr<QWidget> rangeWindow(ListingRangeWindow::Kind kind) {
  return std::make_unique<ListingRangeWindow>(kind);
}

}  // namespace

void registerPrintingProcedures(ProcedureRegistry& registry, FileManagers& files) {
  registry.addWindow(u"ImprimirEtiquetas1"_s, [&files](const ProcedureStart& start) {
    return std::make_unique<LabelStartWindow>(files, start.context);
  });
  registry.add(u"ImprimirEtiquetas2"_s,
               [&files](ProcedureStart start) { return runLabelSheet(files, std::move(start)); });
  registry.addWindow(u"ListadoFormulas"_s,
                     [](const ProcedureStart&) { return rangeWindow(ListingRangeWindow::Kind::Formulas); });
  registry.addWindow(u"ListadoTerminados"_s,
                     [](const ProcedureStart&) { return rangeWindow(ListingRangeWindow::Kind::Products); });
  registry.add(u"ReporteListadoFormulas"_s,
               [&files](ProcedureStart start) { return runFormulaListing(files, std::move(start)); });
  registry.add(u"ReporteListadoTerminados"_s,
               [&files](ProcedureStart start) { return runProductListing(files, std::move(start)); });
}

void addPrintingLists(ListCatalogue& catalogue) { catalogue.add(u"ImprimirEtiquetas"_s, labels::imprimirEtiquetas); }

}  // namespace bv
