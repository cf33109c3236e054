#include "app/run_frame.h"

#include "exchange/exchange_procedures.h"
#include "masterdata/masterdata_windows.h"
#include "printing/printing_procedures.h"
#include "production/production_procedures.h"
#include "shell/browse/list_catalogue.h"
#include "shell/browse/list_procedure.h"
#include "shell/frame/stored_frame_data.h"
#include "shell/frame/main_frame.h"
#include "shell/procedure_registry.h"
#include "shell/program.h"
#include "shell/qbe/list_query_by_example.h"

namespace bv {

void registerProcedures(ProcedureRegistry& registry, Program& program) {
  // Each subsystem adds its windows and processes here as they are built; an
  // entry of the menu whose procedure is missing stays disabled.
  registerExchangeProcedures(registry, program.relations());
  registerProductionProcedures(registry, program.files());
  registerProductionForms(registry, program.relations());
  registerPrintingProcedures(registry, program.files());
  registerMasterdataForms(registry, program.relations());
  ListCatalogue lists;
  addMasterdataLists(lists);
  addProductionLists(lists);
  addPrintingLists(lists);
  lists.forEach([&](const QString& procedure, const ListCatalogue::Declaration& declaration) {
    registry.addWindow(procedure, listWindow(declaration, program.relations()));
  });
}

void runFrame(Program& program) {
  // Every list with a "&Filtros" button offers query by example.
  installQueryByExample();
  ProcedureRegistry registry;
  registerProcedures(registry, program);
  StoredFrameData data(program.relations());
  runMainFrame(data, registry);
}

}  // namespace bv
