#pragma once
// The one query behind next() and previous() on the server: the first records
// beyond a sequence point in a key's order, LIMIT n. A key with duplicates
// compares the row value (key columns, position) with the point's, which the
// server answers from the key's index (whose last column is the position)
// without a sort, in either direction.
#include "storage/filelayer/seek_query.h"

namespace bv::sqlfile {

// `key` nullptr: position order. `withPlaceholders`: placeholder records count
// (the auto-number search on the auto-numbered key). Values are bound as $1...
SeekQuery pgSeekQuery(const TableSchema& schema, const QString& table, const KeyLayout* key, bool forward,
                      const SequencePoint& point, bool withPlaceholders, int limit = 1);

// A row value of `columns` compared with bound values from $first on: "(a, b) > ($1, $2)".
QString pgRowCompare(const QStringList& columns, const char* op, int first);

}  // namespace bv::sqlfile
