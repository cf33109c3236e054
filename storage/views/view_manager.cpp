// Sort orders, ranges and named filters, and how they are applied to the view.
#include "storage/views/view_manager.h"

#include "storage/relations/linked_value.h"
#include "storage/views/filter_assembly.h"
#include "storage/views/key_compare.h"

namespace bv {

ViewManager::ViewManager(FileManager& primary) : primary_(primary), view_(primary) {
  // Until a sort order is added the view reads in position order.
  orders_.push_back(SortOrder{});
}

ViewManager::~ViewManager() = default;

// ---- sort orders ------------------------------------------------------------------

int ViewManager::addSortOrder(const KeyDef& key) {
  const ManagerKey* k = primary_.key(key.label);
  if (!k) qFatal("%s has no key %s", qPrintable(primary_.table().label), qPrintable(key.label));
  SortOrder order;
  order.key = k;
  if (orders_.size() == 1 && !orders_.front().key) {
    order.filters = orders_.front().filters;
    orders_.front() = std::move(order);
    current_ = 0;
    return 1;
  }
  orders_.push_back(std::move(order));
  return static_cast<int>(orders_.size());
}

void ViewManager::setSortOrder(int number) {
  if (number >= 1 && number <= static_cast<int>(orders_.size())) current_ = number - 1;
}

void ViewManager::appendOrder(const QString& extra) { order().extraOrder = extra; }

QString ViewManager::orderText() const {
  const SortOrder& o = orders_[current_];
  return withExtraOrder(o.key ? keyOrder(*o.key) : QString(), o.extraOrder);
}

// ---- ranges ------------------------------------------------------------------------

void ViewManager::setRange(const FieldDef& field, RangeKind kind) {
  SortOrder& o = order();
  int n = 0;
  if (o.key)
    for (std::size_t i = 0; i < o.key->components.size(); ++i)
      if (o.key->components[i].field->number == field.number) n = static_cast<int>(i) + 1;
  if (n == 0) qFatal("%s: range on a field that is no component of the order's key", qPrintable(field.label));
  o.range = kind;
  o.rangeComponents = n;
}

void ViewManager::setRangeCurrent(const FieldDef& field) { setRange(field, RangeKind::Current); }

void ViewManager::setRangeSingle(const FieldDef& field, std::function<FieldValue()> value) {
  setRange(field, RangeKind::Single);
  order().single = std::move(value);
}

void ViewManager::setRangePair(const FieldDef& field, std::function<FieldValue()> low, std::function<FieldValue()> high) {
  setRange(field, RangeKind::Pair);
  order().low = std::move(low);
  order().high = std::move(high);
}

void ViewManager::setRangeRelated(const FieldDef& field, FileManager& related, const Relation& relation) {
  setRange(field, RangeKind::Related);
  order().related = &related;
  order().relatedPairs = relation.pairs;
}

void ViewManager::clearRange() {
  SortOrder& o = order();
  o.range = RangeKind::None;
  o.rangeComponents = 0;
  o.single = o.low = o.high = nullptr;
  o.related = nullptr;
  o.relatedPairs.clear();
}

// The range's values as they are now, and its text. Leading components take
// the buffer's current values unless a related record gives them.
std::optional<ViewManager::AppliedRange> ViewManager::rangeValues(QString& text) {
  text.clear();
  const SortOrder& o = order();
  if (o.range == RangeKind::None || !o.key) return std::nullopt;
  const Record& buffer = primary_.buffer();
  AppliedRange r;
  std::vector<FieldValue> values;
  for (int i = 0; i < o.rangeComponents; ++i) {
    const FieldDef& f = *o.key->components[i].field;
    FieldValue v = buffer.value(f);
    if (o.range == RangeKind::Related) {
      for (const FieldPair& p : o.relatedPairs)
        if (p.other->number == f.number)
          if (auto linked = linkedValue(o.related->buffer().value(p.mine->number), f)) v = *linked;
    } else if (i + 1 == o.rangeComponents && o.range == RangeKind::Single && o.single) {
      v = linkedValue(o.single(), f).value_or(v);
    }
    values.push_back(v);
    r.upper.push_back(o.key->components[i].filterText.startsWith(QStringLiteral("UPPER(")));
  }
  if (o.range == RangeKind::Pair) {
    const FieldDef& last = *o.key->components[o.rangeComponents - 1].field;
    const FieldValue low = o.low ? linkedValue(o.low(), last).value_or(blankValue(last)) : blankValue(last);
    const FieldValue high = o.high ? linkedValue(o.high(), last).value_or(blankValue(last)) : blankValue(last);
    values.pop_back();
    text = rangeText(o.key->components, values, low, high);
    r.low = values;
    r.high = values;
    r.low.push_back(low);
    r.high.push_back(high);
  } else {
    text = rangeText(o.key->components, values);
    r.low = r.high = values;
  }
  return r;
}

// ---- filters -------------------------------------------------------------------------

void ViewManager::setFilter(const QString& text, const QString& name) {
  const QString key = (name.isEmpty() ? kStandardFilter : name).left(kNameLength);
  if (text.trimmed().isEmpty())
    order().filters.remove(key);
  else
    order().filters.insert(key, text);
}

QString ViewManager::filterText(const QString& name) const {
  return orders_[current_].filters.value((name.isEmpty() ? kStandardFilter : name).left(kNameLength));
}

QString ViewManager::assembledFilter() {
  QString range;
  rangeValues(range);
  return assembleFilter(range, order().filters);
}

// ---- opening and applying -----------------------------------------------------------

int ViewManager::raiseViewError(const QString& reason) {
  if (!reason.isEmpty()) setRuntimeError(kViewRefused, reason);
  primary_.setError(kMsgViewError);
  primary_.raiseStored();
  return kLevelNotice;
}

int ViewManager::open() {
  const int code = view_.open();
  if (code != kFileOk && code != kFileAlreadyOpen) return raiseViewError(QString());
  view_.setReadAhead(View::kPageRows, View::kPagesBehind, View::kRefreshSeconds * 1000);
  apply();
  return kLevelBenign;
}

void ViewManager::close() { view_.close(); }

void ViewManager::apply() {
  QString reason;
  const SortOrder& o = order();
  if (!view_.setOrder(orderText(), &reason)) {
    raiseViewError(reason);
    view_.setOrder(o.key ? keyOrder(*o.key) : QString());
  }
  QString rangeText;
  range_ = rangeValues(rangeText);
  const QString expression = assembleFilter(rangeText, o.filters);
  filterIgnored_ = false;
  bool accepted = true;
  if (expression.size() > FilterExpression::kLongest) {
    reason = QStringLiteral("La expresión del filtro supera los %1 caracteres").arg(FilterExpression::kLongest);
    accepted = false;
  } else {
    accepted = view_.setFilter(expression, &reason);
  }
  if (!accepted) {
    // Filters and ranges are ignored: the list runs unfiltered.
    raiseViewError(reason);
    view_.setFilter(QString());
    range_.reset();
    filterIgnored_ = true;
  }
  // The view reads within the range along the order's key only when it reads
  // by that key: an order that replaces the key's ("*TER:Descripcion") reads
  // by another key or in memory, and the range's filter alone keeps it.
  const bool byTheKey = !o.extraOrder.trimmed().startsWith(u'*');
  if (range_) range_->bounded = byTheKey && view_.setBounds({range_->low, range_->high});
  view_.toStart();
}

// ---- reading -------------------------------------------------------------------------

void ViewManager::reset() {
  apply();
}

RecordTest ViewManager::validateRecord() {
  if (range_ && range_->bounded) {
    const SortOrder& o = order();
    std::vector<FieldValue> values;
    for (int i = 0; i < o.rangeComponents; ++i) values.push_back(primary_.buffer().value(*o.key->components[i].field));
    if (compareKeyValues(values, range_->low, range_->upper) < 0 || compareKeyValues(values, range_->high, range_->upper) > 0)
      return RecordTest::OutOfRange;
  }
  return recordTest_ ? recordTest_() : RecordTest::Ok;
}

int ViewManager::readError() {
  primary_.setError(kMsgRetrieval);
  primary_.raiseStored();
  return kLevelFatal;
}

int ViewManager::advance(bool forward) {
  for (;;) {
    const int code = forward ? view_.next() : view_.previous();
    if (code == kRecordNotAvailable) return kLevelNotice;
    if (code != kFileOk) return readError();
    switch (validateRecord()) {
      case RecordTest::Ok:
        return kLevelBenign;
      case RecordTest::Filtered:
        continue;
      case RecordTest::OutOfRange:
        return kLevelNotice;
    }
  }
}

int ViewManager::next() { return advance(true); }

int ViewManager::previous() { return advance(false); }

}  // namespace bv
