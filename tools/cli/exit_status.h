#pragma once
// The exit statuses of bravent-cli, which scripts and tests rely on.
namespace bv::cli {

enum ExitStatus : int {
  kExitDone = 0,     // the verb did its job
  kExitRefused = 1,  // the procedure declined or refused the input
  kExitUsage = 2,    // unknown verb, missing argument, malformed value
  kExitFailure = 3,  // a file could not be opened or written, a fatal message
};

}  // namespace bv::cli
