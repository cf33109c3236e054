#include "masterdata/masterdata_windows.h"

#include "masterdata/basicos/basicos_windows.h"
#include "masterdata/carta/carta_windows.h"
#include "masterdata/clientes/clientes_windows.h"
#include "masterdata/dolar/dolar_windows.h"
#include "masterdata/linea/linea_windows.h"
#include "masterdata/localidad/localidad_windows.h"
#include "masterdata/marca/marca_windows.h"
#include "masterdata/parametros/parametros_windows.h"
#include "masterdata/relacion/relacion_windows.h"
#include "masterdata/terminado/terminado_windows.h"
#include "masterdata/tipocli/tipocli_windows.h"
#include "shell/frame/menu_tree.h"

namespace bv {

void addMasterdataLists(ListCatalogue& catalogue) {
  using namespace Qt::StringLiterals;
  catalogue.add(u"BrowseBasicos"_s, basicos::browseBasicos);
  catalogue.add(u"BrowseClientes"_s, clientes::browseClientes);
  catalogue.add(u"BrowseLinea"_s, linea::browseLinea);
  catalogue.add(u"BrowseLocalidad"_s, localidad::browseLocalidad);
  catalogue.add(u"BrowseMarca"_s, marca::browseMarca);
  catalogue.add(u"BrowseTerminado"_s, terminado::browseTerminado);
  catalogue.add(u"BrowseCarta"_s, carta::browseCarta);
  catalogue.add(u"BrowseDolar"_s, dolar::browseDolar);
  catalogue.add(u"BrowRel"_s, relacion::browRel);
  catalogue.add(u"BrowseTipoCli"_s, tipocli::browseTipoCli);
}

void registerMasterdataForms(ProcedureRegistry& registry, RelationManagers& relations) {
  registry.addWindow(procedure_names::kParametros, parametros::parametersWindow(parametros::parametros, relations));
  registry.addWindow(procedure_names::kImpuestos, parametros::parametersWindow(parametros::impuestos, relations));
}

}  // namespace bv
