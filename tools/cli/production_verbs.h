#pragma once
// The verbs of production orders.
#include "tools/cli/verb.h"

namespace bv::cli {

Verb productionOrderVerb();

}  // namespace bv::cli
