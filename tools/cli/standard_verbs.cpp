// Every verb of bravent-cli, in the order its help lists them. A subsystem's
// verbs are declared here with one line each.
#include "tools/cli/costing_verbs.h"
#include "tools/cli/exchange_verbs.h"
#include "tools/cli/production_verbs.h"
#include "tools/cli/list_verbs.h"
#include "tools/cli/printing_verbs.h"
#include "tools/cli/table_verbs.h"
#include "tools/cli/verb_registry.h"

namespace bv::cli {

const VerbRegistry& standardVerbs() {
  static const VerbRegistry registry = [] {
    VerbRegistry r;
    r.add(demoVerb());
    r.add(tableExportVerb());
    r.add(tableImportVerb());
    r.add(tableDeleteVerb());
    r.add(tableChangeVerb());
    r.add(copyToServerVerb());
    r.add(copyFromServerVerb());
    r.add(listVerb());
    r.add(formulaCostVerb());
    r.add(productionOrderVerb());
    r.add(labelsVerb());
    r.add(formulaListingVerb());
    r.add(productListingVerb());
    r.add(formulaSheetVerb());
    r.add(formulaImportVerb());
    r.add(formulaCopyVerb());
    r.add(versionUpdateVerb());
    return r;
  }();
  return registry;
}

}  // namespace bv::cli
