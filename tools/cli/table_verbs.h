#pragma once
// The verbs for table data: the demo data set and the CSV export, import,
// delete and change of a table's records, and the copies of the tables to and
// from a database server.
#include "tools/cli/verb.h"

namespace bv::cli {

Verb demoVerb();
Verb tableExportVerb();
Verb tableImportVerb();
Verb tableDeleteVerb();
Verb tableChangeVerb();
Verb copyToServerVerb();
Verb copyFromServerVerb();

}  // namespace bv::cli
