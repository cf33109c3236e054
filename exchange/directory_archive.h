#pragma once
// The update archive of a data directory: its data files, then the program.
// A directory whose tables are kept on a database server holds no data files:
// its tables are first copied out as files into a folder of the run's own,
// and those copies are what the archive takes, under the same names.
#include "exchange/update_archive.h"

namespace bv {

// Runs the archive commands for the data directory `dataDirectory` and a
// program in `programDirectory`; answers how the run went (a table that could
// not be copied from the server fails the data command, before any archiving).
ArchiveRun archiveDirectory(const QString& dataDirectory, const QString& programDirectory,
                            const QString& archiver = {});

}  // namespace bv
