#include "masterdata/masterdata_windows.h"

#include "masterdata/basicos/basicos_windows.h"
#include "masterdata/clientes/clientes_windows.h"
#include "masterdata/linea/linea_windows.h"
#include "masterdata/localidad/localidad_windows.h"
#include "masterdata/marca/marca_windows.h"
#include "masterdata/tipocli/tipocli_windows.h"

namespace bv {

void addMasterdataLists(ListCatalogue& catalogue) {
  using namespace Qt::StringLiterals;
  catalogue.add(u"BrowseBasicos"_s, basicos::browseBasicos);
  catalogue.add(u"BrowseClientes"_s, clientes::browseClientes);
  catalogue.add(u"BrowseLinea"_s, linea::browseLinea);
  catalogue.add(u"BrowseLocalidad"_s, localidad::browseLocalidad);
  catalogue.add(u"BrowseMarca"_s, marca::browseMarca);
  catalogue.add(u"BrowseTipoCli"_s, tipocli::browseTipoCli);
}

}  // namespace bv
