#pragma once
// The query by example of a list window: the items it offers (the list's own
// query fields, or one per column that shows a field), the query the user
// asked for, and the queries saved under the list's procedure name. Applying
// a query installs its filter under "9 - QBE" on every sort order (or on the
// current one, as the list declares) and refills the list; an empty query
// removes the filter. A value that cannot be evaluated raises message 41 and
// leaves the list as it was.
//
// On screen "&Filtros" opens the form "Query by Example Settings" (its
// placement kept in the settings section "QBE-" and the procedure); without a
// screen the query is asked through the choices interface (choice "qbe"), as
// "field:value" parts joined by "|" (an empty answer clears the query).
#include "shell/browse/list_query.h"
#include "shell/qbe/query_item.h"
#include "shell/qbe/saved_queries.h"

#include <QCoroTask>
#include <QString>

class QMenu;

namespace bv {

class FileManagers;
class ListWindow;
struct ListDeclaration;

class ListQueryByExample : public ListQuery {
 public:
  static inline const QString kChoiceId = QStringLiteral("qbe");

  ListQueryByExample(ListWindow& list, bool onScreen);

  // The items a list declaration offers.
  static QueryItems itemsOf(const ListDeclaration& declaration, FileManagers& files);

  QCoro::Task<void> ask(ListWindow& list) override;
  // The saved queries by name (indented by two blanks; "Empty" when there are
  // none), a separator and "C&lear".
  void addPopupEntries(QMenu& menu, ListWindow& list) override;

  const QueryItems& items() const { return items_; }
  SavedQueries& saved() { return saved_; }
  // The section that keeps the form's placement.
  QString placementName() const;

  // Applies a query: false (message 41) when a value cannot be evaluated.
  bool apply(const QueryItems& query);
  // Loads a saved query and applies it; false when there is none of that name
  // or it cannot be evaluated.
  bool applySaved(const QString& name);
  // Removes the query and its filter.
  void clear();

 private:
  void askWithoutScreen();
  void install(const QString& filter);

  ListWindow& list_;
  bool onScreen_;
  QueryItems items_;
  SavedQueries saved_;
};

// Makes every list that opens from now on offer query by example.
void installQueryByExample(bool onScreen = true);

}  // namespace bv
