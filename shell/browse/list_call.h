#pragma once
// Opening a list from another window of the same execution context: a form
// that looks a value up opens the other table's list to select (request 4).
#include "runtime/context.h"

#include <QCoroTask>

class QWidget;

#include "storage/dictionary/field_value.h"

#include <QString>
#include <optional>

namespace bv {

class RelationManagers;
struct ListDeclaration;

// Where a list opened to select starts: on the first record whose `field`
// (the first component of one of its sort keys) is at or past `value`, in
// that key's order (a lookup opens the list on the value typed).
struct ListStart {
  QString field;
  FieldValue value;
};

// Sets the global request, opens the list for the caller (which is disabled
// meanwhile) and waits until the list is gone; answers its response. On
// completed the chosen record is in the list's primary buffer.
QCoro::Task<int> callList(const ListDeclaration& list, RelationManagers& relations, int request, QWidget* caller,
                          ContextId context, std::optional<ListStart> start = std::nullopt);

}  // namespace bv
