#pragma once
// The one query behind next() and previous(): the first record beyond a
// sequence point in a key's order (or in position order), LIMIT 1. It compares
// the key columns (and, for a key with duplicates, the position) with the
// point's, which SQLite answers from the key's index without scanning the
// table or sorting, seeking on every column. The index is named
// (INDEXED BY): left to itself, the planner may prefer another key's partial
// index and sort, for a file it has no statistics of.
#include <QString>
#include <vector>

#include "storage/filelayer/file_layer.h"
#include "storage/filelayer/sql_value.h"
#include "storage/filelayer/table_schema.h"

namespace bv::sqlfile {

// Where a sequence stands.
struct SequencePoint {
  enum class Kind {
    Start,   // before the first record
    End,     // after the last record
    Values,  // next: first key >= values; previous: last key <= values
    After,   // just after the record (values, position)
    Before,  // just before the record (values, position)
  };
  Kind kind = Kind::Start;
  std::vector<SqlValue> values;  // the key's compare values
  RecordPosition position = 0;
};

// A handle's cursor: the key it reads along, the sequence point, the current
// record, and the watch state with the remembered image.
struct FileCursor {
  int key = 0;  // key number; 0 = position order
  SequencePoint point;
  RecordPosition current = 0;
  bool currentPlaceholder = false;
  bool watchArmed = false;
  RecordPosition watched = 0;  // the record whose image is remembered
  std::vector<SqlValue> image;
  bool memoSuppressed = false;
  bool placeholderSearch = false;
};

struct SeekQuery {
  QString sql;
  std::vector<SqlValue> binds;
};

// `key` nullptr: position order. `withPlaceholders`: placeholder records count
// (the auto-number search on the auto-numbered key). `table` is the qualified
// table name; `indexed` false when the file lacks the key's index (a read-only
// open of a file made by an older version).
SeekQuery seekQuery(const TableSchema& schema, const QString& table, const KeyLayout* key, bool forward,
                    const SequencePoint& point, bool withPlaceholders, bool indexed = true, int limit = 1);
// "table INDEXED BY key" (position order: the table itself, NOT INDEXED).
QString fromIndexed(const QString& table, const KeyLayout* key, bool indexed = true);

}  // namespace bv::sqlfile
