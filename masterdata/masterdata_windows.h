#pragma once
// The catalogue windows: every list by its procedure name, for the frame's
// menu and the headless runner alike.
#include "shell/browse/list_catalogue.h"

namespace bv {

void addMasterdataLists(ListCatalogue& catalogue);

}  // namespace bv
