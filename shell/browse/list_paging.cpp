// Page-wise reading: the list holds only the rows on show and asks the view
// for the rows next to them as it moves, so opening and scrolling cost the
// same on a large file as on a small one.
#include "runtime/filter/filter_text.h"
#include "shell/browse/list_columns.h"
#include "shell/browse/list_window.h"
#include "shell/browse/locator.h"
#include "shell/field_access.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <algorithm>

namespace bv {
namespace {

template <typename T>
void append(std::vector<T>& to, std::vector<T>&& from) {
  to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

template <typename T>
void prepend(std::vector<T>& to, std::vector<T>&& from) {
  to.insert(to.begin(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

}  // namespace

ListRow ListWindow::capture(const ViewRow& viewRow) {
  reader_->load(viewRow);
  return columns_->capture(viewRow);
}

std::vector<ListRow> ListWindow::capture(const ViewPage& page) {
  std::vector<ListRow> rows;
  rows.reserve(page.rows.size());
  for (const ViewRow& r : page.rows) rows.push_back(capture(r));
  return rows;
}

void ListWindow::show(std::vector<ListRow> rows, int current, bool atStart, bool atEnd) {
  const int count = static_cast<int>(rows.size());
  model_->setRows(std::move(rows));
  current_ = count == 0 ? -1 : std::clamp(current, 0, count - 1);
  if (current_ >= 0)
    table_->selectionModel()->setCurrentIndex(model_->index(current_, 0),
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  atStart_ = count == 0 || atStart;
  atEnd_ = count == 0 || atEnd;
  placeScrollBox();
  updateButtons();
  ToolbarTarget::changed(*this);
}

void ListWindow::placeScrollBox() {
  const QSignalBlocker blocker(scroll_);
  if (rows().empty() || atStart_)
    scroll_->setValue(0);
  else if (atEnd_)
    scroll_->setValue(100);
  else if (scroll_->value() == 0 || scroll_->value() == 100)
    scroll_->setValue(50);
}

void ListWindow::loadFirst() {
  const ViewPage page = reader_->first(pageSize_);
  show(capture(page), 0, true, page.atEnd);
}

void ListWindow::loadLast() {
  const ViewPage page = reader_->last(pageSize_);
  std::vector<ListRow> rows = capture(page);
  const int last = static_cast<int>(rows.size()) - 1;
  show(std::move(rows), last, page.atStart, true);
}

void ListWindow::loadFrom(const Record& values) {
  const ViewPage page = reader_->at(values, pageSize_);
  if (page.rows.empty()) {
    loadLast();
    return;
  }
  std::vector<ListRow> rows = capture(page);
  bool atStart = false;
  int found = 0;
  if (static_cast<int>(rows.size()) < pageSize_) {
    // Near the end the page is filled with the rows before the one found.
    const ViewPage before = reader_->before(page.rows.front(), pageSize_ - static_cast<int>(rows.size()));
    found = static_cast<int>(before.rows.size());
    atStart = before.atStart;
    prepend(rows, capture(before));
  }
  show(std::move(rows), found, atStart, page.atEnd);
}

bool ListWindow::startAt(const ListStart& start) {
  if (isEmptyValue(start.value)) return false;
  const FieldDef* field = primary().table().field(QStringView(start.field));
  if (!field) return false;
  for (std::size_t i = 0; i < declaration_.orders.size(); ++i) {
    const KeyDef& key = primary().keyDef(declaration_.orders[i].key);
    if (key.components.empty() || primary().table().field(key.components.front()) != field) continue;
    if (static_cast<int>(i) != order_) {
      const QSignalBlocker blocker(sheet_);
      sheet_->setCurrentIndex(static_cast<int>(i));
      order_ = static_cast<int>(i);
      reader_->setOrder(order_);
    }
    Record values(primary().table());
    clearRecord(values, ClearValue::Lowest);
    values.setValue(*field, start.value);
    loadFrom(values);
    return true;
  }
  return false;
}

void ListWindow::showRecord(RecordPosition position, const Record& keyValues, int index) {
  index = std::clamp(index, 0, pageSize_ - 1);
  const ViewRow anchor = standInRow(position, keyValues);
  // The rows before the record, then the record itself (or, when it is gone
  // or filtered out, the one that follows where it was) and those after it.
  const ViewPage before = reader_->before(anchor, std::max(index, 1));
  if (before.rows.empty()) {
    loadFirst();
    return;
  }
  const ViewPage after = reader_->after(before.rows.back(), pageSize_ - (index == 0 ? 0 : static_cast<int>(before.rows.size())));
  if (after.rows.empty()) {
    loadLast();
    return;
  }
  std::vector<ListRow> rows = capture(after);
  int current = 0;
  bool atStart = false;
  if (index > 0) {
    current = static_cast<int>(before.rows.size());
    atStart = before.atStart;
    prepend(rows, capture(before));
  }
  if (static_cast<int>(rows.size()) < pageSize_ && !atStart) {
    const ViewPage more = reader_->before(rows.front().view, pageSize_ - static_cast<int>(rows.size()));
    current += static_cast<int>(more.rows.size());
    atStart = more.atStart;
    prepend(rows, capture(more));
  }
  show(std::move(rows), current, atStart, after.atEnd);
}

void ListWindow::move(ListMove move) {
  switch (move) {
    case ListMove::First: loadFirst(); return;
    case ListMove::Last: loadLast(); return;
    default: break;
  }
  const std::vector<ListRow>& shown = rows();
  if (shown.empty()) {
    loadFirst();
    return;
  }
  const int count = static_cast<int>(shown.size());
  const bool down = move == ListMove::Down || move == ListMove::PageDown;
  if (move == ListMove::Down && current_ < count - 1) {
    setCurrentRow(current_ + 1);
    return;
  }
  if (move == ListMove::Up && current_ > 0) {
    setCurrentRow(current_ - 1);
    return;
  }
  const int wanted = (move == ListMove::Down || move == ListMove::Up) ? 1 : pageSize_;
  const ViewPage page = down ? reader_->after(shown.back().view, wanted) : reader_->before(shown.front().view, wanted);
  if (page.rows.empty()) {
    // At the edge: a page move goes to the last (first) row on show.
    if (move == ListMove::PageDown) setCurrentRow(count - 1);
    if (move == ListMove::PageUp) setCurrentRow(0);
    (down ? atEnd_ : atStart_) = true;
    placeScrollBox();
    return;
  }
  std::vector<ListRow> rows = shown;
  int current = current_;
  if (down) {
    append(rows, capture(page));
    const int drop = std::max(0, static_cast<int>(rows.size()) - pageSize_);
    rows.erase(rows.begin(), rows.begin() + drop);
    if (move == ListMove::Down) current = static_cast<int>(rows.size()) - 1;
    show(std::move(rows), current, atStart_ && drop == 0, page.atEnd);
  } else {
    const int added = static_cast<int>(page.rows.size());
    prepend(rows, capture(page));
    const bool cut = static_cast<int>(rows.size()) > pageSize_;
    if (cut) rows.resize(static_cast<std::size_t>(pageSize_));
    if (move == ListMove::Up) current = 0;
    else if (added < pageSize_) current = std::max(0, current);
    show(std::move(rows), current, page.atStart, atEnd_ && !cut);
  }
}

void ListWindow::setCurrentRow(int row) {
  if (rows().empty()) {
    current_ = -1;
    return;
  }
  current_ = std::clamp(row, 0, static_cast<int>(rows().size()) - 1);
  table_->selectionModel()->setCurrentIndex(model_->index(current_, 0),
                                            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ListWindow::setCurrentOrder(int order) {
  if (order < 0 || order >= static_cast<int>(declaration_.orders.size())) return;
  if (sheet_->currentIndex() != order) {
    const QSignalBlocker blocker(sheet_);
    sheet_->setCurrentIndex(order);
  }
  if (order == order_) return;
  // A filter locator's filter belongs to its own tab.
  if (!reader_->filter(ListReader::kLocatorFilter).isEmpty())
    reader_->setFilter(ListReader::kLocatorFilter, QString(), false);
  appliedLocator_[static_cast<std::size_t>(order_)].clear();
  order_ = order;
  reader_->setOrder(order);
  refill();
}

void ListWindow::refill() {
  if (declaration_.orders.empty()) {
    loadFirst();
    return;
  }
  const ListLocator& locator = declaration_.orders[static_cast<std::size_t>(order_)].locator;
  QLineEdit* entry = locatorEntry(order_);
  const QString typed = entry ? entry->text() : QString();
  const auto bound = BoundField::resolve(relations_.files(), locator.field);
  switch (locator.kind) {
    case LocatorKind::Positioning: {
      Record values(primary().table());
      if (bound && &bound->file() == &primary() && locatorValues(locator, bound->def(), typed, values))
        loadFrom(values);
      else
        loadFirst();
      return;
    }
    case LocatorKind::BeginsWith:
    case LocatorKind::Contains: {
      const QString text = locatorFilter(locator, bound ? &bound->def() : nullptr, typed);
      if (reader_->filter(ListReader::kLocatorFilter) != text) reader_->setFilter(ListReader::kLocatorFilter, text, false);
      appliedLocator_[static_cast<std::size_t>(order_)] = typed;
      loadFirst();
      return;
    }
    case LocatorKind::None: loadFirst(); return;
  }
}

void ListWindow::acceptLocator() { acceptLocatorOf(order_); }

void ListWindow::acceptLocatorOf(int index) {
  // While its form is open the list reads nothing: the form shows the buffers.
  if (calling_ || index < 0 || index >= static_cast<int>(declaration_.orders.size())) return;
  ContextGuard guard(context_);
  if (index != order_) setCurrentOrder(index);
  const ListLocator& locator = declaration_.orders[static_cast<std::size_t>(index)].locator;
  QLineEdit* entry = locatorEntry(index);
  if (!entry) return;
  // A filter locator acts only when its text changed since it was applied.
  if ((locator.kind == LocatorKind::BeginsWith || locator.kind == LocatorKind::Contains) &&
      entry->text() == appliedLocator_[static_cast<std::size_t>(index)])
    return;
  refill();
}

void ListWindow::setFilter(const QString& name, const QString& text) {
  ContextGuard guard(context_);
  reader_->setFilter(name, text, true);
  refill();
}

void ListWindow::fitPage() {
  const int rowHeight = std::max(table_->verticalHeader()->defaultSectionSize(), 1);
  const int fits = std::max(1, table_->viewport()->height() / rowHeight);
  if (fits == pageSize_ || !reader_->view().isOpen() || calling_) return;
  ContextGuard guard(context_);
  pageSize_ = fits;
  if (rows().empty()) {
    loadFirst();
    return;
  }
  // The page keeps its first row (near the end it fills with rows before it)
  // and its current record.
  const ListRow top = rows().front();
  const RecordPosition current = current_ >= 0 ? rows()[static_cast<std::size_t>(current_)].position() : 0;
  showRecord(top.position(), top.primary(), 0);
  for (std::size_t i = 0; i < rows().size(); ++i)
    if (rows()[i].position() == current) setCurrentRow(static_cast<int>(i));
}

void ListWindow::jumpTo(int place) {
  if (place <= 0) {
    loadFirst();
    return;
  }
  if (place >= 100) {
    loadLast();
    return;
  }
  const KeyDef& key = reader_->key();
  if (key.components.empty() || declaration_.orders.empty()) return;
  const ListOrder& order = declaration_.orders[static_cast<std::size_t>(order_)];
  const FieldDef* field = primary().table().field(key.components.front());
  Record values(primary().table());
  clearRecord(values, ClearValue::Lowest);
  const double fraction = place / 100.0;
  if (field->isText() && order.step != ScrollStep::Runtime) {
    // Letters as evenly as the alphabet, or as often as they lead Spanish names.
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    static const QString names = QStringLiteral("AAABBCCCCDDEFFGGHIJLLMMMMNOPPRRSSSTUVZ");
    const QString& letters = order.step == ScrollStep::Alpha ? alphabet : names;
    const int i = std::clamp(static_cast<int>(fraction * letters.size()), 0, static_cast<int>(letters.size()) - 1);
    values.setText(*field, letters.mid(i, 1));
    loadFrom(values);
    return;
  }
  // Between the first and the last key value on file.
  const ViewPage first = reader_->first(1);
  const ViewPage last = reader_->last(1);
  if (first.rows.empty() || last.rows.empty()) {
    loadFirst();
    return;
  }
  const FieldValue low = first.rows.front().records.front().value(*field);
  const FieldValue high = last.rows.front().records.front().value(*field);
  if (const auto* lo = std::get_if<Decimal>(&low)) {
    const Decimal hi = std::get<Decimal>(high);
    values.setDecimal(*field, (*lo + (hi - *lo) * Decimal(place) / Decimal(100)).rounded(field->places));
  } else if (const auto* lo = std::get_if<Date>(&low)) {
    const int from = lo->dayNumber();
    const int to = std::get<Date>(high).dayNumber();
    values.setDate(*field, Date(from + static_cast<int>((to - from) * fraction)));
  } else {
    const QString a = filter_text::upper(std::get<QString>(low)).left(1);
    const QString b = filter_text::upper(std::get<QString>(high)).left(1);
    const int from = a.isEmpty() ? ' ' : a.at(0).unicode();
    const int to = b.isEmpty() ? 'Z' : b.at(0).unicode();
    values.setText(*field, QString(QChar(static_cast<char16_t>(from + (to - from) * fraction))));
  }
  loadFrom(values);
}

}  // namespace bv
