#pragma once
// The colour charts: the list "Tabla de Cartas de Colores" (BrowseCarta),
// started from the menu entry "Cartas" and opened to select by the
// finished-product form, and its form "Update Carta File" (UpdateCarta).
#include "shell/browse/list_declaration.h"
#include "shell/form/form_declaration.h"

namespace bv::carta {

const ListDeclaration& browseCarta();
const FormDeclaration& updateCarta();

}  // namespace bv::carta
