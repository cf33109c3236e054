#pragma once
// Copies what can still be read of a damaged table file into a fresh file.
//
// The records are walked in position order. Where a damaged page stops the
// walk, the walk starts again at the next position, one position at a time,
// until it reads again: so every record that a read by its position still
// finds is copied, however many damaged pages lie between them. The walk ends
// at the highest position the file ever gave (its sequence, its keys' indexes,
// or its last record), so it also passes damage near the end of the file.
//
// The keys' indexes are read on their own as well: a position they name that
// the walk could not read is a record lost to the damage, and is counted so.
#include <QString>

#include "storage/filelayer/table_schema.h"

namespace bv::sqlfile {

struct SalvageCount {
  qint64 kept = 0;         // records copied
  qint64 unreadable = -1;  // records the indexes name that could not be read; -1: no index could be read
};

// Makes `fresh` with the table's schema and every readable record of `path`,
// each at its old position; positions go on from the old file's sequence.
// Answers 0, or 46 (nothing could be read) / 90 with the runtime error set.
int salvageTable(const QString& path, const QString& fresh, const TableSchema& schema, int busyTimeoutMs,
                 SalvageCount& count);

}  // namespace bv::sqlfile
