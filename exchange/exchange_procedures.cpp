#include "exchange/exchange_procedures.h"

#include "exchange/formula_copy_window.h"
#include "exchange/formula_import_window.h"
#include "exchange/formula_sheet_window.h"
#include "exchange/version_update.h"
#include "shell/procedure_registry.h"
#include "storage/relations/relation_managers.h"

namespace bv {

void registerExchangeProcedures(ProcedureRegistry& registry, RelationManagers& relations) {
  FileManagers& files = relations.files();
  registry.addWindow(QStringLiteral("GeneraPlanilla"), [&files](const ProcedureStart& start) {
    return std::make_unique<FormulaSheetWindow>(files, start.context);
  });
  registry.addWindow(QStringLiteral("ImportarPlanilla"), [&files](const ProcedureStart& start) {
    return std::make_unique<FormulaImportWindow>(files, start.context);
  });
  registry.addWindow(QStringLiteral("CopiaFormulas"), [&files](const ProcedureStart& start) {
    return std::make_unique<FormulaCopyWindow>(files, start.context);
  });
  registry.addWindow(QStringLiteral("Actualizar"), versionWindow(relations));
}

}  // namespace bv
