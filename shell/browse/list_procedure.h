#pragma once
// A list as a procedure of the menu: the window the registry opens when the
// list is started, in the execution context of that start.
#include "shell/browse/list_declaration.h"
#include "shell/procedure_registry.h"

#include <functional>

namespace bv {

class RelationManagers;

// The factory of the list's window; no window when the list could not open.
WindowFactory listWindow(std::function<const ListDeclaration&()> declaration, RelationManagers& relations);

}  // namespace bv
