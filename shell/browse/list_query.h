#pragma once
// The query by example of a list with a "&Filtros" button: a query the user
// types field by field, turned into the list's "9 - QBE" filter, and queries
// saved by name under the list's procedure name. The list knows it only
// through this interface; the query module installs its maker once at start-up.
#include <QCoroTask>
#include <QString>
#include <functional>
#include <memory>

class QMenu;

namespace bv {

class ListWindow;

class ListQuery {
 public:
  virtual ~ListQuery() = default;
  // "&Filtros" and the popup's "&Filtro": asks for the query and applies it.
  virtual QCoro::Task<void> ask(ListWindow& list) = 0;
  // The popup's entries before "&Filtro" (the saved queries, "C&lear").
  virtual void addPopupEntries(QMenu& menu, ListWindow& list) = 0;
};

using ListQueryMaker = std::function<std::unique_ptr<ListQuery>(ListWindow& list)>;

// The maker every list asks for its query when it opens (none: "&Filtros"
// stays disabled). Set once at start-up, before any list opens.
void setListQueryMaker(ListQueryMaker maker);
const ListQueryMaker& listQueryMaker();

}  // namespace bv
