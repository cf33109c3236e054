#pragma once
// One record of a view: the primary table's record and, for each joined table,
// the record joined to it (blank, at position 0, when none is).
#include <QtGlobal>
#include <vector>

#include "runtime/filter/filter_value.h"
#include "storage/dictionary/record.h"
#include "storage/filelayer/file_layer.h"

namespace bv {

struct ViewRow {
  std::vector<Record> records;            // the primary table's first, then each join's
  std::vector<RecordPosition> positions;  // of each record in its file
  // The primary records that the row's block starts and ends with, in the
  // view's order: the view reads, sorts and forgets whole blocks.
  RecordPosition blockFirst = 0;
  RecordPosition blockLast = 0;
  std::vector<FilterValue> sortValues;  // of the order components sorted in memory
  qint64 readAt = 0;                    // when it was read (milliseconds)

  RecordPosition primary() const { return positions.empty() ? 0 : positions.front(); }
  // The same records of the same files.
  bool sameAs(const ViewRow& other) const { return positions == other.positions; }
};

}  // namespace bv
