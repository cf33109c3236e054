#pragma once
// Opening a list from another window of the same execution context: a form
// that looks a value up opens the other table's list to select (request 4).
#include "runtime/context.h"

#include <QCoroTask>

class QWidget;

namespace bv {

class RelationManagers;
struct ListDeclaration;

// Sets the global request, opens the list for the caller (which is disabled
// meanwhile) and waits until the list is gone; answers its response. On
// completed the chosen record is in the list's primary buffer.
QCoro::Task<int> callList(const ListDeclaration& list, RelationManagers& relations, int request, QWidget* caller,
                          ContextId context);

}  // namespace bv
