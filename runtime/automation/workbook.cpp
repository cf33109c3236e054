#include "runtime/automation/workbook.h"

#include <algorithm>
#include <cmath>

#include "runtime/automation/number_text.h"

namespace bv {

Cell& Sheet::cell(const CellAddress& a) {
  if (rows_.size() < std::size_t(a.row)) {
    // Rows are usually filled one after another with the same columns.
    const std::size_t width = rows_.empty() ? 0 : rows_.back().size();
    rows_.resize(std::size_t(a.row));
    rows_[std::size_t(a.row - 1)].reserve(width);
  }
  auto& row = rows_[std::size_t(a.row - 1)];
  if (row.size() < std::size_t(a.column)) row.resize(std::size_t(a.column));
  return row[std::size_t(a.column - 1)];
}

const Cell* Sheet::find(const CellAddress& a) const {
  if (a.row < 1 || std::size_t(a.row) > rows_.size()) return nullptr;
  const auto& row = rows_[std::size_t(a.row - 1)];
  if (a.column < 1 || std::size_t(a.column) > row.size()) return nullptr;
  return &row[std::size_t(a.column - 1)];
}

void Sheet::setText(const CellAddress& a, const QString& text) {
  Cell& c = cell(a);
  if (auto number = numberText(text)) {
    c.text = *number;
    c.numeric = true;
  } else {
    c.text = text;
    c.numeric = false;
  }
}

int Sheet::lastColumn() const {
  std::size_t last = 0;
  for (const auto& row : rows_) last = std::max(last, row.size());
  return int(last);
}

void Sheet::merge(const CellRange& range) {
  if (range.rows() == 1 && range.columns() == 1) return;
  // A new merge replaces the areas it overlaps, as in the spreadsheet.
  merges_.removeIf([&](const CellRange& m) {
    return m.first.row <= range.last.row && m.last.row >= range.first.row &&
           m.first.column <= range.last.column && m.last.column >= range.first.column;
  });
  merges_.append(range);
}

const CellRange* Sheet::mergeOf(const CellAddress& a) const {
  for (const CellRange& m : merges_)
    if (m.contains(a)) return &m;
  return nullptr;
}

void Sheet::autoFit(int first, int last) {
  // Texts of merged areas wider than one column do not widen their column.
  for (int column = first; column <= last; ++column) {
    qsizetype longest = 0;
    for (int r = 1; r <= lastRow(); ++r) {
      const Cell* c = find({r, column});
      if (!c || c->text.isEmpty()) continue;
      const CellRange* m = mergeOf({r, column});
      if (m && m->columns() > 1) continue;
      longest = std::max(longest, c->text.size());
    }
    if (longest > 0) widths_[column] = std::ceil(double(longest) * 1.1) + 1.0;
  }
}

Workbook::Workbook(std::vector<Sheet> sheets, int active) : sheets_(std::move(sheets)) {
  if (sheets_.empty()) sheets_.emplace_back();
  active_ = std::clamp(active, 0, int(sheets_.size()) - 1);
}

}  // namespace bv
