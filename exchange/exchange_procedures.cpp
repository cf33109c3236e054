#include "exchange/exchange_procedures.h"

#include "exchange/formula_sheet_window.h"
#include "shell/procedure_registry.h"

namespace bv {

void registerExchangeProcedures(ProcedureRegistry& registry, FileManagers& files) {
  registry.addWindow(QStringLiteral("GeneraPlanilla"), [&files](const ProcedureStart& start) {
    return std::make_unique<FormulaSheetWindow>(files, start.context);
  });
}

}  // namespace bv
