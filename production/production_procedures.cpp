#include "production/production_procedures.h"

#include "production/compras/compras_windows.h"
#include "production/costing/costo_formula_procedure.h"
#include "production/formulas/formulas_windows.h"
#include "production/produccion/produccion_windows.h"
#include "shell/form/form_procedure.h"
#include "shell/frame/menu_tree.h"
#include "shell/request_codes.h"
#include "shell/browse/list_catalogue.h"
#include "shell/procedure_registry.h"

using namespace Qt::StringLiterals;

namespace bv {

void registerProductionProcedures(ProcedureRegistry& registry, FileManagers& files) {
  registry.add(u"CostoFormula"_s,
               [&files](ProcedureStart start) { return runCostoFormula(files, std::move(start)); });
}

void registerProductionForms(ProcedureRegistry& registry, RelationManagers& relations) {
  // "Nueva Producción" opens the order form to insert.
  registry.addWindow(procedure_names::kNuevaProduccion,
                     formWindow(produccion::updateProduc01, relations, kInsertRecord));
}

void addProductionLists(ListCatalogue& catalogue) {
  catalogue.add(u"BrowseFormulas"_s, formulas::browseFormulas);
  catalogue.add(u"Compras"_s, compras::browseCompras);
  catalogue.add(u"BrowseProduccion"_s, produccion::browseProduccion);
  catalogue.add(u"BrowseTerminadoXLinea"_s, produccion::browseTerminadoXLinea);
}

}  // namespace bv
