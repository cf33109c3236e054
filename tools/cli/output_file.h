#pragma once
// Writes a verb's result to a file named on its command line, or to standard
// output when none is named.
#include <QString>

#include "tools/cli/verb.h"

namespace bv::cli {

// The whole text goes to `fileName` (replacing it only once complete) or, when
// the name is empty, to the call's output. Answers an exit status; a file that
// cannot be written gives its message line and the status of a failure.
int writeResult(const VerbCall& call, const QString& fileName, const QString& text);

}  // namespace bv::cli
