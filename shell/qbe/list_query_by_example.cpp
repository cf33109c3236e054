#include "shell/qbe/list_query_by_example.h"

#include "runtime/choices.h"
#include "shell/browse/list_window.h"
#include "shell/call_window.h"
#include "shell/field_access.h"
#include "shell/qbe/query_filter.h"
#include "shell/qbe/query_form.h"
#include "shell/qbe/query_form_names.h"
#include "shell/qbe/query_rows.h"
#include "shell/system_images.h"
#include "shell/window_placement.h"
#include "storage/dictionary/field_def.h"
#include "storage/errors/error_manager.h"
#include "storage/managers/file_manager.h"
#include "storage/relations/relation_managers.h"
#include "storage/settings/settings.h"

#include <QMenu>
#include <QPointer>

namespace bv {

ListQueryByExample::ListQueryByExample(ListWindow& list, bool onScreen)
    : list_(list),
      onScreen_(onScreen),
      items_(itemsOf(list.declaration(), list.relations().files())),
      saved_(Settings::global(), list.declaration().procedure) {}

QueryItems ListQueryByExample::itemsOf(const ListDeclaration& declaration, FileManagers& files) {
  QueryItems items;
  if (!declaration.queryFields.empty()) {
    for (const ListQueryField& f : declaration.queryFields)
      items.push_back(QueryItem::make(f.expression, f.title, f.picture));
    return items;
  }
  for (const ListColumn& c : declaration.columns) {
    if (c.field.isEmpty()) continue;
    QString picture = c.picture;
    if (picture.isEmpty())
      if (const auto bound = BoundField::resolve(files, c.field)) picture = bound->def().picture;
    items.push_back(QueryItem::forColumn(c.field, c.header, picture));
  }
  return items;
}

QString ListQueryByExample::placementName() const { return qbe_names::window(saved_.procedure()); }

void ListQueryByExample::install(const QString& filter) {
  ContextGuard guard(list_.context());
  if (list_.declaration().queryEveryOrder) {
    list_.setFilter(ListReader::kQueryFilter, filter);
  } else {
    list_.reader().setFilter(ListReader::kQueryFilter, filter, false);
    list_.refill();
  }
}

bool ListQueryByExample::apply(const QueryItems& query) {
  const QueryFilter filter = queryFilter(query);
  if (!filter.ok()) {
    ContextGuard guard(list_.context());
    reportQueryFailure(list_.primary().errors(), query, filter);
    return false;
  }
  items_ = query;
  install(filter.text);
  return true;
}

bool ListQueryByExample::applySaved(const QString& name) {
  QueryItems query = items_;
  if (!saved_.load(name, query)) return false;
  saved_.setLastUsed(name);
  return apply(query);
}

void ListQueryByExample::clear() {
  clearConditions(items_);
  install(QString());
}

QCoro::Task<void> ListQueryByExample::ask(ListWindow& list) {
  if (!onScreen_) {
    askWithoutScreen();
    co_return;
  }
  QPointer<ListWindow> alive(&list);
  auto outcome = std::make_shared<QueryFormOutcome>();
  ErrorManager* errors = &list.primary().errors();
  const ContextId context = list.context();
  auto report = [errors, context](const QueryItems& items, const QueryFilter& failure) {
    ContextGuard guard(context);
    reportQueryFailure(*errors, items, failure);
  };
  auto form = std::make_unique<QueryForm>(items_, saved_, report, outcome);
  // Inside the frame the child window keeps the placement; a list shown on its
  // own opens the form as a window of its own, which keeps it here.
  if (!areaOf(&list)) {
    auto* keeper = new PlacementKeeper(*form, placementName());  // owned by the form
    keeper->restore();
  }
  const QString placement = placementName();
  co_await callWindow(&list, std::move(form), placement, context);
  if (!alive || !outcome->query) co_return;
  apply(*outcome->query);
}

void ListQueryByExample::askWithoutScreen() {
  const auto answer = Choices::ask(Choice{kChoiceId, qbe_names::kCaption,
                                          QStringLiteral("Consulta, campo:valor separados por \"|\":"),
                                          {}, queryRowsText(queryRows(items_))});
  if (!answer) return;
  QueryItems query = items_;
  const QStringList unknown = applyQueryRows(query, parseQueryRowsText(*answer));
  if (!unknown.isEmpty()) {
    ContextGuard guard(list_.context());
    ErrorManager& errors = list_.primary().errors();
    errors.setFieldText(unknown.front());
    errors.raiseWithMessage(41, *answer);
    return;
  }
  apply(query);
}

void ListQueryByExample::addPopupEntries(QMenu& menu, ListWindow& list) {
  const QStringList names = saved_.names();
  const QIcon load = systemIcon(QStringLiteral("QkLoad.ico"));
  for (const QString& name : names) {
    QString shown = QStringLiteral("  ") + name;
    shown.replace(u'&', QStringLiteral("&&"));
    QAction* entry = menu.addAction(load, shown);
    QObject::connect(entry, &QAction::triggered, &list, [this, name] { applySaved(name); });
  }
  if (names.isEmpty()) menu.addAction(QStringLiteral("Empty"))->setEnabled(false);
  menu.addSeparator();
  QAction* clearEntry = menu.addAction(QStringLiteral("C&lear"));
  clearEntry->setEnabled(hasConditions(items_));
  QObject::connect(clearEntry, &QAction::triggered, &list, [this] { clear(); });
}

void installQueryByExample(bool onScreen) {
  setListQueryMaker([onScreen](ListWindow& list) -> std::unique_ptr<ListQuery> {
    if (!list.declaration().buttons.query) return nullptr;
    return std::make_unique<ListQueryByExample>(list, onScreen);
  });
}

}  // namespace bv
