#pragma once
// The verb that shows a list window's rows without a screen.
#include "tools/cli/verb.h"

namespace bv::cli {

Verb listVerb();

}  // namespace bv::cli
