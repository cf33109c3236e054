#pragma once
// The verbs of the printed labels and listings.
#include "tools/cli/verb.h"

namespace bv::cli {

Verb labelsVerb();
Verb formulaListingVerb();
Verb productListingVerb();

}  // namespace bv::cli
