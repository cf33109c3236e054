#pragma once
// A commit that the disk reported an error for after its commit point has
// committed: the change is in the files. The user is told that it was saved
// and what the disk said, so that nobody repeats a change that is already
// there, and nobody ignores a failing disk.
#include "storage/managers/file_manager.h"

namespace bv {

// Shows the warning of the layer's last commit, if it left one, naming
// `table`; answers whether there was one.
bool tellCommitWarning(FileLayer& layer, FileManager& table);

}  // namespace bv
