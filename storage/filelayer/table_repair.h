#pragma once
// Mends a damaged table file that no connection has attached: first by rebuilding
// its indexes in place; when the file is beyond that, by copying every record that
// can still be read (with its position, so saved positions stay valid) into a
// fresh file that replaces it. The damaged file is kept as "<file>.damaged".
#include <QString>

#include "storage/filelayer/table_schema.h"

namespace bv::sqlfile {

// Answers 0, or 46 when not even the fresh copy could be made (the runtime error
// is set), 90 on a file-system failure.
int rebuildTableFile(const QString& path, const TableSchema& schema, int busyTimeoutMs);

}  // namespace bv::sqlfile
