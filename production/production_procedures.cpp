#include "production/production_procedures.h"

#include "production/compras/compras_windows.h"
#include "production/costing/costo_formula_procedure.h"
#include "production/formulas/formulas_windows.h"
#include "shell/browse/list_catalogue.h"
#include "shell/procedure_registry.h"

using namespace Qt::StringLiterals;

namespace bv {

void registerProductionProcedures(ProcedureRegistry& registry, FileManagers& files) {
  registry.add(u"CostoFormula"_s,
               [&files](ProcedureStart start) { return runCostoFormula(files, std::move(start)); });
}

void addProductionLists(ListCatalogue& catalogue) {
  catalogue.add(u"BrowseFormulas"_s, formulas::browseFormulas);
  catalogue.add(u"Compras"_s, compras::browseCompras);
}

}  // namespace bv
