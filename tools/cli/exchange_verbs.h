#pragma once
// The verbs of the spreadsheet exchange.
#include "tools/cli/verb.h"

namespace bv::cli {

Verb formulaSheetVerb();

}  // namespace bv::cli
