// Moving through a view: the buffered pages, positioning, and refresh.
#include "storage/relations/linked_value.h"
#include "storage/views/key_compare.h"
#include "storage/views/view.h"

namespace bv {

void View::resetReading() { toStart(); }

void View::toStart() {
  rows_.clear();
  pos_ = -1;
  forget(kBackward);
  forget(kForward);
  exhausted_[kBackward] = true;
}

void View::toEnd() {
  rows_.clear();
  pos_ = 0;
  forget(kBackward);
  forget(kForward);
  exhausted_[kForward] = true;
}

int View::toValues(const std::vector<FieldValue>& values) {
  toStart();
  if (!open_) return kFileNotOpen;
  const std::size_t n = std::min(values.size(), keyPrefix_);
  if (n == 0 || !readKey_) return kFileOk;
  const TableDef& t = tables_.front().manager->table();
  std::vector<FieldValue> typed;
  for (std::size_t i = 0; i < n; ++i) {
    const auto v = linkedValue(values[i], *t.field(readKey_->components[i]));
    if (!v) return kFileOk;
    typed.push_back(*v);
  }
  if (bounds_) {
    // Values outside the bounds: the view's first record, or none past them.
    const std::size_t m = std::min(n, bounds_->low.size());
    const std::vector<FieldValue> lead(typed.begin(), typed.begin() + static_cast<std::ptrdiff_t>(m));
    const int s = readForward_ ? 1 : -1;
    const std::vector<FieldValue> low(bounds_->low.begin(), bounds_->low.begin() + static_cast<std::ptrdiff_t>(m));
    const std::vector<FieldValue> high(bounds_->high.begin(), bounds_->high.begin() + static_cast<std::ptrdiff_t>(m));
    if (s * compareKeyValues(lead, low, boundsUpper_) < 0) return kFileOk;
    if (s * compareKeyValues(lead, high, boundsUpper_) > 0) {
      toEnd();
      return kFileOk;
    }
  }
  KeyedFile& f = *tables_.front().handle;
  if (const int code = f.setPosition(*readKey_, probe(typed, !readForward_)); code != kFileOk) return code;
  exhausted_[kBackward] = false;
  frontier_[kForward] = f.state();
  frontier_[kBackward] = f.state();
  const int code = fill(kForward);
  // Records before the first one read are found again from it.
  if (!rows_.empty()) forget(kBackward);
  return code == kRecordNotAvailable ? kFileOk : code;
}

namespace {

// The same view record; a row that names only a primary record (one a form
// wrote) stands for the first view record of it.
bool matches(const ViewRow& buffered, const ViewRow& wanted) {
  if (wanted.positions.size() == 1 && buffered.positions.size() > 1) return buffered.primary() == wanted.primary();
  return buffered.sameAs(wanted);
}

}  // namespace

int View::toRecord(const ViewRow& row) {
  if (!open_) return kFileNotOpen;
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (matches(rows_[i], row) && fresh(rows_[i])) {
      pos_ = static_cast<int>(i);
      return kFileOk;
    }
  toStart();
  exhausted_[kBackward] = false;
  KeyedFile& f = *tables_.front().handle;
  const Record& primary = row.records.front();
  int code = kFileOk;
  bool positioned = true;
  if (!sorted_.empty()) {
    // Sorted in memory: from the start of the record's group.
    if (keyPrefix_ == 0 || !readKey_) {
      toStart();
      positioned = false;
    } else {
      code = f.setPosition(*readKey_, probe(prefixValues(primary, keyPrefix_), !readForward_));
    }
  } else if (readForward_) {
    code = f.resetTo(readKey_, row.primary());
    if (code == kRecordNotFound) {
      // Gone meanwhile: from its key values.
      if (readKey_) {
        code = f.setPosition(*readKey_, primary);
      } else {
        toStart();
        positioned = false;
        code = kFileOk;
      }
    }
  } else {
    code = f.setPosition(*readKey_, probe(prefixValues(primary, readKey_->components.size()), true));
  }
  if (code != kFileOk) return code;
  if (positioned) {
    frontier_[kForward] = f.state();
    frontier_[kBackward] = f.state();
  }
  code = fill(kForward);
  if (!rows_.empty()) forget(kBackward);
  if (code != kFileOk && code != kRecordNotAvailable) return code;
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (matches(rows_[i], row)) {
      pos_ = static_cast<int>(i);
      return kFileOk;
    }
  // Gone: the records read from its place follow.
  pos_ = -1;
  return kFileOk;
}

bool View::fresh(const ViewRow& row) const { return now() - row.readAt < refreshMs_; }

int View::next() {
  if (!open_) return kFileNotOpen;
  const int size = static_cast<int>(rows_.size());
  if (pos_ + 1 < size && !fresh(rows_[pos_ + 1])) {
    // Read again from the current record, so the page shows what is stored now.
    const ViewRow anchor = rows_[std::max(pos_, 0)];
    const bool before = pos_ < 0;
    if (const int code = toRecord(anchor); code != kFileOk) return code;
    if (before && pos_ >= 0) --pos_;
  }
  if (pos_ + 1 >= static_cast<int>(rows_.size())) {
    const int code = fill(kForward);
    if (code == kRecordNotAvailable) {
      pos_ = static_cast<int>(rows_.size());
      return code;
    }
    if (code != kFileOk) return code;
  }
  ++pos_;
  trim();
  load(rows_[pos_]);
  return kFileOk;
}

int View::previous() {
  if (!open_) return kFileNotOpen;
  if (pos_ - 1 >= 0 && pos_ - 1 < static_cast<int>(rows_.size()) && !fresh(rows_[pos_ - 1])) {
    const bool after = pos_ >= static_cast<int>(rows_.size());
    const ViewRow anchor = rows_[after ? rows_.size() - 1 : pos_];
    if (const int code = toRecord(anchor); code != kFileOk) return code;
    if (after && pos_ >= 0) ++pos_;
  }
  if (pos_ - 1 < 0) {
    const int code = fill(kBackward);
    if (code == kRecordNotAvailable) {
      pos_ = -1;
      return code;
    }
    if (code != kFileOk) return code;
  }
  --pos_;
  trim();
  load(rows_[pos_]);
  return kFileOk;
}

const ViewRow* View::current() const {
  return pos_ >= 0 && pos_ < static_cast<int>(rows_.size()) ? &rows_[pos_] : nullptr;
}

void View::load(const ViewRow& row) {
  for (std::size_t i = 0; i < tables_.size() && i < row.records.size(); ++i) tables_[i].manager->buffer() = row.records[i];
}

QString View::orderValueText(std::size_t index) const {
  if (index >= order_.size()) return QString();
  const int slot = binding_.resolve(order_[index].label);
  return slot < 0 ? QString() : binding_.value(slot).asText();
}

// Forgets whole blocks further from the current record than the pages kept.
void View::trim() {
  const int keep = (pagesBehind_ + 1) * pageRows_;
  for (;;) {
    std::size_t k = 0;
    while (k < rows_.size() && rows_[k].blockFirst == rows_.front().blockFirst) ++k;
    if (k == 0 || static_cast<int>(k) > pos_ - keep) break;
    rows_.erase(rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(k));
    pos_ -= static_cast<int>(k);
    forget(kBackward);
  }
  for (;;) {
    std::size_t k = 0;
    while (k < rows_.size() && rows_[rows_.size() - 1 - k].blockFirst == rows_.back().blockFirst) ++k;
    const int after = static_cast<int>(rows_.size()) - 1 - pos_;
    if (k == 0 || static_cast<int>(k) > after - keep) break;
    rows_.erase(rows_.end() - static_cast<std::ptrdiff_t>(k), rows_.end());
    forget(kForward);
  }
}

}  // namespace bv
