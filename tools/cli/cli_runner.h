#pragma once
// One run of bravent-cli: bravent-cli [-d DIR] VERB [ARGUMENTS].
#include <QStringList>
#include <QTextStream>

#include "tools/cli/verb_registry.h"

namespace bv::cli {

// Parses the invocation (the arguments after the program's name), answers
// "--help" and "VERB --help" on `out`, and runs the verb with the message
// window writing each message as one line on `err`. Answers the exit status.
int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err,
           const VerbRegistry& verbs = standardVerbs());

}  // namespace bv::cli
