#pragma once
// The catalogue windows: every list by its procedure name, for the frame's
// menu and the headless runner alike.
#include "shell/browse/list_catalogue.h"

namespace bv {

class ProcedureRegistry;
class RelationManagers;

void addMasterdataLists(ListCatalogue& catalogue);
// The forms the menu starts on their own (the parameters and taxes forms).
void registerMasterdataForms(ProcedureRegistry& registry, RelationManagers& relations);

}  // namespace bv
