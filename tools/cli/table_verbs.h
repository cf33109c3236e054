#pragma once
// The verbs for table data: the demo data set and the CSV export, import,
// delete and change of a table's records.
#include "tools/cli/verb.h"

namespace bv::cli {

Verb demoVerb();
Verb tableExportVerb();
Verb tableImportVerb();
Verb tableDeleteVerb();
Verb tableChangeVerb();

}  // namespace bv::cli
