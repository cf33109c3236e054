#pragma once
// The verbs of formula costing.
#include "tools/cli/verb.h"

namespace bv::cli {

Verb formulaCostVerb();

}  // namespace bv::cli
