// Reading a view from its files: blocks of primary records along the read key,
// each expanded by its joins, filtered, and sorted in memory past the key.
#include <algorithm>

#include "storage/relations/linked_value.h"
#include "storage/views/key_compare.h"
#include "storage/views/view.h"

namespace bv {

std::vector<FieldValue> View::prefixValues(const Record& record, std::size_t count) const {
  std::vector<FieldValue> out;
  for (std::size_t i = 0; i < count && readKey_ && i < readKey_->components.size(); ++i)
    out.push_back(record.value(readKey_->components[i]));
  return out;
}

int View::againstBounds(const Record& record) const {
  if (!bounds_) return 0;
  const std::vector<FieldValue> values = prefixValues(record, bounds_->low.size());
  const int s = readForward_ ? 1 : -1;
  if (s * compareKeyValues(values, bounds_->low, boundsUpper_) < 0) return -1;
  if (s * compareKeyValues(values, bounds_->high, boundsUpper_) > 0) return 1;
  return 0;
}

// A record of the primary table with the read key's leading components set to
// `values` and the others at their lowest (or highest) value.
Record View::probe(const std::vector<FieldValue>& values, bool highRest) const {
  Record r(tables_.front().manager->table());
  clearRecord(r, highRest ? ClearValue::Highest : ClearValue::Lowest);
  for (std::size_t i = 0; i < values.size() && readKey_ && i < readKey_->components.size(); ++i)
    r.setValue(readKey_->components[i], values[i]);
  return r;
}

// Puts the primary handle where reading in direction `d` goes on.
int View::frontier(Direction d) {
  KeyedFile& f = *tables_.front().handle;
  if (frontier_[d]) return f.restoreState(*frontier_[d]);
  if (rows_.empty()) {
    // From the edge of the view: its bounds, else the key's end.
    const bool atStart = d == kForward;
    if (bounds_ && readKey_)
      return f.setPosition(*readKey_, probe(atStart ? bounds_->low : bounds_->high, atStart != readForward_));
    return f.setPosition(readKey_, atStart == readForward_ ? FileEdge::Start : FileEdge::End);
  }
  // Past the buffered records' outermost block.
  const ViewRow& edge = d == kForward ? rows_.back() : rows_.front();
  const RecordPosition anchor = d == kForward ? edge.blockLast : edge.blockFirst;
  int code = f.resetTo(readKey_, anchor);
  if (code == kRecordNotFound && readKey_) {
    // The record went meanwhile: go on from its key values.
    code = f.setPosition(*readKey_, edge.records.front());
    return code;
  }
  if (code != kFileOk) return code;
  if (!physicalForward(d)) return kFileOk;
  Record skipped(tables_.front().manager->table());
  code = f.next(skipped);
  return code == kRecordNotAvailable ? kFileOk : code;
}

void View::forget(Direction d) {
  frontier_[d].reset();
  pending_[d].clear();
  fileEnd_[d] = false;
  exhausted_[d] = false;
}

int View::pull(Direction d) {
  if (!pending_[d].empty()) return kFileOk;
  if (fileEnd_[d]) return kRecordNotAvailable;
  KeyedFile& f = *tables_.front().handle;
  if (const int code = frontier(d); code != kFileOk) {
    frontier_[d].reset();
    return code;
  }
  std::vector<Record> records;
  std::vector<RecordPosition> positions;
  const int batch = batchSize();
  const int code = f.readPage(physicalForward(d), batch, records, positions);
  if (code != kFileOk && code != kRecordNotAvailable) {
    frontier_[d].reset();
    return code;
  }
  frontier_[d] = f.state();
  if (code == kRecordNotAvailable || static_cast<int>(records.size()) < batch) fileEnd_[d] = true;
  recordsRead_ += static_cast<qint64>(records.size());
  sampleRead_ += static_cast<qint64>(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) pending_[d].emplace_back(std::move(records[i]), positions[i]);
  return pending_[d].empty() ? kRecordNotAvailable : kFileOk;
}

// A page of primary records, more when few of them pass the filter, so that a
// page of view records takes a few reads however selective the filter is.
int View::batchSize() const {
  if (sampleRead_ < pageRows_ || sampleMade_ >= sampleRead_) return pageRows_;
  const qint64 wanted = sampleMade_ > 0 ? pageRows_ * sampleRead_ / sampleMade_ : qint64(pageRows_) * kMostPages;
  return static_cast<int>(std::clamp<qint64>(wanted, pageRows_, qint64(pageRows_) * kMostPages));
}

int View::readBlock(Direction d, std::vector<ViewRow>& block) {
  if (exhausted_[d]) return kRecordNotAvailable;
  const bool grouped = !sorted_.empty();
  std::vector<std::pair<Record, RecordPosition>> members;
  for (;;) {
    const int code = pull(d);
    if (code == kRecordNotAvailable) {
      exhausted_[d] = true;
      break;
    }
    if (code != kFileOk) return code;
    auto& waiting = pending_[d].front();
    const int where = againstBounds(waiting.first);
    if (where == (d == kForward ? 1 : -1)) {
      exhausted_[d] = true;
      pending_[d].clear();
      break;
    }
    if (where != 0) {  // not yet within the bounds
      pending_[d].pop_front();
      continue;
    }
    // The next group starts with a record of other key values.
    if (!members.empty() &&
        compareKeyValues(prefixValues(waiting.first, keyPrefix_), prefixValues(members.front().first, keyPrefix_),
                         prefixUpper_) != 0)
      break;
    members.push_back(std::move(waiting));
    pending_[d].pop_front();
    if (!grouped) break;
  }
  if (members.empty()) return kRecordNotAvailable;
  if (d == kBackward) std::reverse(members.begin(), members.end());
  Record& buffer = tables_.front().manager->buffer();
  for (auto& [r, position] : members) {
    buffer = std::move(r);
    if (const int code = expand(position, block); code != kFileOk) return code;
  }
  const qint64 at = now();
  for (ViewRow& row : block) {
    row.blockFirst = members.front().second;
    row.blockLast = members.back().second;
    row.readAt = at;
  }
  sampleMade_ += static_cast<qint64>(block.size());
  if (grouped) sortBlock(block);
  return kFileOk;
}

int View::fill(Direction d) {
  int added = 0;
  while (added < pageRows_) {
    std::vector<ViewRow> block;
    const int code = readBlock(d, block);
    if (code == kRecordNotAvailable) return added > 0 ? kFileOk : code;
    if (code != kFileOk) return code;
    added += static_cast<int>(block.size());
    if (d == kForward) {
      rows_.insert(rows_.end(), std::make_move_iterator(block.begin()), std::make_move_iterator(block.end()));
    } else {
      rows_.insert(rows_.begin(), std::make_move_iterator(block.begin()), std::make_move_iterator(block.end()));
      pos_ += static_cast<int>(block.size());
    }
  }
  return kFileOk;
}

// The view records of the primary record in its buffer: one per combination of
// joined records, each kept when the filter passes it.
int View::expand(RecordPosition position, std::vector<ViewRow>& out) {
  if (tables_.size() == 1 && !passes()) return kFileOk;
  ViewRow first;
  first.records.push_back(tables_.front().manager->buffer());
  first.positions.push_back(position);
  if (tables_.size() == 1) {
    for (const SortComponent& c : sorted_) first.sortValues.push_back(binding_.value(c.slot));
    out.push_back(std::move(first));
    return kFileOk;
  }
  std::vector<ViewRow> work{std::move(first)};
  std::vector<std::pair<Record, RecordPosition>> matches;
  for (std::size_t j = 1; j < tables_.size(); ++j) {
    const Table& join = tables_[j];
    std::vector<ViewRow> joined;
    for (ViewRow& w : work) {
      matches.clear();
      if (const int code = joinRecords(join, w.records[join.from], matches); code != kFileOk) return code;
      if (matches.empty()) {
        w.records.emplace_back(join.manager->table());
        w.positions.push_back(0);
        joined.push_back(std::move(w));
        continue;
      }
      for (std::size_t m = 0; m < matches.size(); ++m) {
        ViewRow r = m + 1 < matches.size() ? w : std::move(w);
        r.records.push_back(std::move(matches[m].first));
        r.positions.push_back(matches[m].second);
        joined.push_back(std::move(r));
      }
    }
    work = std::move(joined);
  }
  for (ViewRow& w : work) {
    load(w);
    if (!passes()) continue;
    for (const SortComponent& c : sorted_) w.sortValues.push_back(binding_.value(c.slot));
    out.push_back(std::move(w));
  }
  return kFileOk;
}

int View::joinRecords(const Table& join, const Record& from, std::vector<std::pair<Record, RecordPosition>>& out) {
  KeyedFile& h = *join.handle;
  const TableDef& t = join.manager->table();
  Record wanted(t);
  clearRecord(wanted, ClearValue::Lowest);
  std::vector<FieldValue> values;
  for (const Link& l : join.links) {
    const auto v = linkedValue(from.value(l.from->number), *l.to);
    // A value the joined field cannot hold links no record.
    if (!v || wanted.setValue(*l.to, *v) != SetResult::Stored) return kFileOk;
    values.push_back(*v);
  }
  if (join.byUniqueKey) {
    const int code = h.get(*join.key, wanted);
    if (code == kFileOk) out.emplace_back(std::move(wanted), h.position());
    return code == kRecordNotFound ? kFileOk : code;
  }
  if (const int code = h.setPosition(*join.key, wanted); code != kFileOk) return code;
  Record r(t);
  for (;;) {
    const int code = h.next(r);
    if (code == kRecordNotAvailable) return kFileOk;
    if (code != kFileOk) return code;
    for (std::size_t i = 0; i < join.links.size(); ++i)
      if (r.value(*join.links[i].to) != values[i]) return kFileOk;
    out.emplace_back(r, h.position());
    if (join.kind == JoinKind::OneToOne) return kFileOk;
  }
}

bool View::passes() { return !filter_ || filter_->evaluate(binding_); }

void View::sortBlock(std::vector<ViewRow>& rows) const {
  std::stable_sort(rows.begin(), rows.end(), [this](const ViewRow& a, const ViewRow& b) {
    for (std::size_t i = 0; i < sorted_.size(); ++i) {
      int c = compareOrderValues(a.sortValues[i], b.sortValues[i], sorted_[i].upper);
      if (sorted_[i].descending) c = -c;
      if (c != 0) return c < 0;
    }
    return false;
  });
}

}  // namespace bv
