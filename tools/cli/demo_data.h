#pragma once
// Writes the demo data set (demo_catalogue.h) into a data directory through the
// file managers, table by table, each table (a header table with its lines) in
// one transaction.
#include <QString>

#include "runtime/date_time.h"
#include "tools/cli/data_session.h"

namespace bv::cli {

// Does the directory hold a data file ("*.tps" in any letter case)?
bool holdsDataFiles(const QString& directory);

// Writes every record of the demo data set, dated relative to `today` (the
// dollar rates of the last 30 days, recent purchases and orders), and creates
// the files of the tables it leaves empty. Answers an exit status; on a failure
// the manager's message has been raised.
int writeDemoData(DataSession& session, Date today);

}  // namespace bv::cli
