#pragma once
// The customer types: the list "Tabla de Tipos de Clientes" (BrowseTipoCli),
// started from the menu entry "Tipos de Clientes" and opened to select by the
// customer form, and its form "Update TipoCli File" (UpdateTipoCli). Both
// show the background image "wizBck02.gif".
#include "shell/browse/list_declaration.h"
#include "shell/form/form_declaration.h"

namespace bv::tipocli {

const ListDeclaration& browseTipoCli();
const FormDeclaration& updateTipoCli();

}  // namespace bv::tipocli
