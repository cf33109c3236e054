#include "masterdata/masterdata_windows.h"

#include "masterdata/basicos/basicos_windows.h"
#include "masterdata/linea/linea_windows.h"
#include "masterdata/marca/marca_windows.h"

namespace bv {

void addMasterdataLists(ListCatalogue& catalogue) {
  using namespace Qt::StringLiterals;
  catalogue.add(u"BrowseBasicos"_s, basicos::browseBasicos);
  catalogue.add(u"BrowseLinea"_s, linea::browseLinea);
  catalogue.add(u"BrowseMarca"_s, marca::browseMarca);
}

}  // namespace bv
