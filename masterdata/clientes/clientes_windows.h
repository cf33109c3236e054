#pragma once
// The customers: the list "Tabla de Clientes" (BrowseClientes), started from
// the menu entry "Clientes" and opened to select by the production form, and
// the form "Update Clientes File" (UpdateClientes), whose locality and
// customer-type entries look their codes up in the locality and customer-type
// lists and show the description beside each code.
#include "shell/browse/list_declaration.h"
#include "shell/form/form_declaration.h"

namespace bv::clientes {

const ListDeclaration& browseClientes();
const FormDeclaration& updateClientes();

}  // namespace bv::clientes
