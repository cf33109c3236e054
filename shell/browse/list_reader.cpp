#include "shell/browse/list_reader.h"

#include "shell/values/working_values.h"
#include "storage/managers/file_managers.h"

namespace bv {
namespace {

Decimal numberOf(const FieldValue& v) {
  if (const auto* n = std::get_if<Decimal>(&v)) return *n;
  if (const auto* d = std::get_if<Date>(&v)) return Decimal(d->dayNumber());
  return Decimal::parse(std::get<QString>(v).trimmed()).value_or(Decimal());
}

QString textOf(const FieldValue& v) {
  if (const auto* t = std::get_if<QString>(&v)) return *t;
  if (const auto* n = std::get_if<Decimal>(&v)) return n->toQString();
  return std::get<Date>(v).toIso();
}

}  // namespace

ListReader::ListReader(FileManagers& files, const ListDeclaration& declaration, const WindowFields& fields)
    : declaration_(declaration), view_(std::make_unique<ViewManager>(files[declaration.view.table])) {
  FileManager& primary = view_->primary();
  for (const ListJoin& j : declaration.view.joins) {
    FileManager& joined = files[j.table];
    view_->view().join(0, joined, joined.keyDef(j.key), j.links, JoinKind::OneToOne);
  }
  const WindowFields* row = &fields;
  for (const auto* list : {&declaration.values, &declaration.bound})
    for (const ListValue& v : *list) {
      if (v.number)
        view_->binding().bindNumber(v.name, [compute = v.compute, row] { return numberOf(compute(*row)); });
      else
        view_->binding().bindText(v.name, [compute = v.compute, row] { return textOf(compute(*row)); });
    }
  // The window's working values are known to its filters by name too.
  if (ValueStore* working = fields.working())
    if (auto* values = dynamic_cast<WorkingValues*>(working))
      for (const auto& def : values->declared()) {
        const QString name = def->label;
        if (def->type == FieldType::Decimal)
          view_->binding().bindNumber(name, [row, name] { return row->number(name); });
        else
          view_->binding().bindText(name, [row, name] { return row->text(name); });
      }
  const FieldDef* rangeField =
      declaration.view.range ? primary.table().field(QStringView(declaration.view.range->field)) : nullptr;
  for (const ListOrder& order : declaration.orders) {
    const int number = view_->addSortOrder(primary.keyDef(order.key));
    view_->setSortOrder(number);
    if (!declaration.view.filter.isEmpty()) view_->setFilter(declaration.view.filter, kStandardFilter);
    if (rangeField)
      for (const KeyComponent& c : view_->order().key->components)
        if (c.field == rangeField) view_->setRangeSingle(*rangeField, declaration.view.range->value);
  }
  if (declaration.orders.empty() && !declaration.view.filter.isEmpty())
    view_->setFilter(declaration.view.filter, kStandardFilter);
  view_->setSortOrder(1);
}

ListReader::~ListReader() { close(); }

int ListReader::open() {
  if (view_->isOpen()) return kLevelBenign;
  return view_->open();
}

void ListReader::close() {
  if (view_->isOpen()) view_->close();
}

const KeyDef& ListReader::key() const {
  if (const ManagerKey* k = view_->order().key) return *k->key;
  return *primary().table().primaryKey();
}

void ListReader::setOrder(int index) {
  if (index < 0 || index >= static_cast<int>(declaration_.orders.size())) return;
  order_ = index;
  view_->setSortOrder(index + 1);
  if (view_->isOpen()) view_->apply();
}

void ListReader::setFilter(const QString& name, const QString& text, bool everyOrder) {
  if (everyOrder && declaration_.orders.size() > 1) {
    for (int i = 1; i <= static_cast<int>(declaration_.orders.size()); ++i) {
      view_->setSortOrder(i);
      view_->setFilter(text, name);
    }
    view_->setSortOrder(order_ + 1);
  } else {
    view_->setFilter(text, name);
  }
  if (view_->isOpen()) view_->apply();
}

ViewPage ListReader::at(const Record& values, int rows) {
  // Locators and the scroll box name the key's first component only.
  const KeyDef& k = key();
  if (k.components.empty()) return view_->firstPage(rows);
  return view_->pageAt({values.value(k.components.front())}, rows);
}

ViewRow standInRow(RecordPosition position, const Record& record) {
  ViewRow row;
  row.records.push_back(record);
  row.positions.push_back(position);
  row.blockFirst = row.blockLast = position;
  return row;
}

}  // namespace bv
