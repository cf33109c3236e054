// Set-up of a view: tables and joins, open and close, order, filter, bounds.
#include "storage/views/view.h"

#include "storage/relations/linked_value.h"
#include "storage/views/key_compare.h"

namespace bv {

View::View(FileManager& primary) {
  tables_.push_back(Table{&primary, nullptr, 0, nullptr, {}, JoinKind::OneToOne, false});
  primary.bindFields(binding_);
  clock_.start();
  setOrder(QString());
}

View::~View() { close(); }

int View::join(int from, FileManager& table, const KeyDef& key, const std::vector<std::pair<QString, QString>>& links,
               JoinKind kind) {
  if (from < 0 || from >= tableCount()) qFatal("view: join from unknown table %d", from);
  Table t{&table, nullptr, from, &key, {}, kind, false};
  const TableDef& source = tables_[from].manager->table();
  for (const auto& [a, b] : links) {
    const FieldDef* f = source.field(QStringView(a));
    const FieldDef* g = table.table().field(QStringView(b));
    if (!f || !g) qFatal("view: unknown link %s = %s", qPrintable(a), qPrintable(b));
    t.links.push_back({f, g});
  }
  t.byUniqueKey = key.unique && t.links.size() == key.components.size();
  table.bindFields(binding_);
  tables_.push_back(std::move(t));
  if (open_) {
    tables_.back().handle = table.layer().file(table.table());
    tables_.back().handle->open(kShareDenyWrite, true, false);
  }
  return tableCount() - 1;
}

int View::open() {
  if (open_) return kFileAlreadyOpen;
  for (Table& t : tables_) {
    if (!t.handle) t.handle = t.manager->layer().file(t.manager->table());
    const int code = t.handle->open(kShareDenyWrite, true, false);
    if (code != kFileOk && code != kFileAlreadyOpen) {
      const RuntimeError error = currentRuntimeError();
      close();
      setRuntimeError(error);
      return code;
    }
  }
  open_ = true;
  resetReading();
  return kFileOk;
}

void View::close() {
  for (Table& t : tables_)
    if (t.handle && t.handle->isOpen()) t.handle->close();
  open_ = false;
  resetReading();
}

// ---- order ---------------------------------------------------------------------

bool View::setOrder(const QString& text, QString* reason) {
  const auto parsed = text.trimmed().isEmpty() ? std::optional<std::vector<OrderComponent>>(std::vector<OrderComponent>{})
                                               : parseOrder(text);
  if (!parsed) {
    if (reason) *reason = QStringLiteral("Orden inválido: ") + text;
    return false;
  }
  for (const OrderComponent& c : *parsed)
    if (binding_.resolve(c.label) < 0) {
      if (reason) *reason = QStringLiteral("Campo desconocido en el orden: ") + c.label;
      return false;
    }
  orderText_ = text.trimmed();
  order_ = *parsed;
  chooseReadKey();
  // Bounds belong to an order; a new order drops them.
  bounds_.reset();
  resetReading();
  return true;
}

// The key whose components lead the order furthest (all ascending, or all
// descending read backwards); the rest of the order is sorted in memory.
void View::chooseReadKey() {
  const TableDef& t = tables_.front().manager->table();
  readKey_ = nullptr;
  readForward_ = true;
  keyPrefix_ = 0;
  for (const KeyDef& key : t.keys) {
    std::size_t n = 0;
    const bool descending = !order_.empty() && order_.front().descending;
    while (n < order_.size() && n < key.components.size()) {
      const OrderComponent& c = order_[n];
      const FieldDef* f = t.field(QStringView(c.label));
      if (!f || f->number != key.components[n] || c.descending != descending) break;
      const bool text = f->type == FieldType::String;
      if (text && c.upper != key.ignoresCase) break;
      ++n;
    }
    const bool better = n > keyPrefix_ ||
                        (n == keyPrefix_ && n > 0 && readKey_ && key.components.size() < readKey_->components.size());
    if (better) {
      readKey_ = &key;
      keyPrefix_ = n;
      readForward_ = !descending;
    }
  }
  prefixUpper_.clear();
  for (std::size_t i = 0; i < keyPrefix_; ++i) prefixUpper_.push_back(order_[i].upper);
  sorted_.clear();
  for (std::size_t i = keyPrefix_; i < order_.size(); ++i)
    sorted_.push_back({binding_.resolve(order_[i].label), order_[i].descending, order_[i].upper});
}

// ---- filter and bounds ---------------------------------------------------------------

bool View::setFilter(const QString& text, QString* reason) {
  sampleRead_ = sampleMade_ = 0;
  filterText_.clear();
  filter_.reset();
  resetReading();
  if (text.trimmed().isEmpty()) return true;
  auto compiled = FilterExpression::compile(text, binding_, reason);
  if (!compiled) return false;
  filterText_ = text;
  filter_ = std::move(compiled);
  return true;
}

bool View::setBounds(const ViewBounds& bounds) {
  clearBounds();
  const std::size_t n = bounds.low.size();
  if (n == 0 || n != bounds.high.size() || n > keyPrefix_) return false;
  const TableDef& t = tables_.front().manager->table();
  ViewBounds typed;
  for (std::size_t i = 0; i < n; ++i) {
    const FieldDef& f = *t.field(readKey_->components[i]);
    const auto low = linkedValue(bounds.low[i], f), high = linkedValue(bounds.high[i], f);
    if (!low || !high) return false;
    typed.low.push_back(*low);
    typed.high.push_back(*high);
  }
  boundsUpper_.assign(prefixUpper_.begin(), prefixUpper_.begin() + static_cast<std::ptrdiff_t>(n));
  // In the view's order the low end comes first.
  if (!readForward_) std::swap(typed.low, typed.high);
  bounds_ = std::move(typed);
  resetReading();
  return true;
}

void View::clearBounds() {
  bounds_.reset();
  resetReading();
}

void View::setReadAhead(int pageRows, int pagesBehind, int refreshMilliseconds) {
  pageRows_ = std::max(1, pageRows);
  pagesBehind_ = std::max(0, pagesBehind);
  refreshMs_ = std::max(0, refreshMilliseconds);
}

// ---- sizes -----------------------------------------------------------------------------

qint64 View::recordCount() {
  KeyedFile* f = tables_.front().handle.get();
  return f && f->isOpen() ? f->recordCount() : -1;
}

qint64 View::fileSize() {
  KeyedFile* f = tables_.front().handle.get();
  return f ? f->fileSize() : -1;
}

int View::recordSize() const { return tables_.front().manager->table().recordLength(); }

}  // namespace bv
