#pragma once
// Mends a damaged table file that no connection has attached: first by rebuilding
// its indexes in place; when the file is beyond that, by copying every record that
// can still be read (with its position, so saved positions stay valid) into a
// fresh file that replaces it (table_salvage.h).
//
// The damaged file is kept beside it, never overwritten: "<file>.damaged", and
// when that name is taken by an earlier repair "<file>.damaged.2", ".3", ...
// The fresh file takes the table file's name in one rename, so there is no
// moment at which the table has no file (a missing file would be made anew,
// empty).
#include <QString>

#include "storage/filelayer/file_layer.h"
#include "storage/filelayer/table_schema.h"

namespace bv::sqlfile {

// Answers 0, or 46 when not even the fresh copy could be made (the runtime error
// is set), 90 on a file-system failure. `report` tells what was done.
int rebuildTableFile(const QString& path, const TableSchema& schema, int busyTimeoutMs, RebuildReport& report);

// The first free name for a kept damaged copy of `path`.
QString freeDamagedName(const QString& path);

}  // namespace bv::sqlfile
