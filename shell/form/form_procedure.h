#pragma once
// A form as a procedure of the menu ("Nueva Producción" opens the production
// form to insert): the window the registry opens, in the execution context
// of that start, with the request it is started with.
#include "shell/form/form_declaration.h"
#include "shell/procedure_registry.h"

#include <functional>

namespace bv {

class RelationManagers;

// The factory of the form's window; no window when its request could not be
// prepared (a failed priming).
WindowFactory formWindow(std::function<const FormDeclaration&()> declaration, RelationManagers& relations,
                         int request);

}  // namespace bv
