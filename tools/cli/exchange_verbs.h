#pragma once
// The verbs of the spreadsheet exchange and the maintenance tools.
#include "tools/cli/verb.h"

namespace bv::cli {

Verb formulaSheetVerb();
Verb formulaImportVerb();
Verb formulaCopyVerb();
Verb versionUpdateVerb();

}  // namespace bv::cli
