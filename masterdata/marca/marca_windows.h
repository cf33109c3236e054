#pragma once
// The brand list "Tabla de Marcas" (BrowseMarca) and its form "Update Marca
// File" (UpdateMarca). The list is started from the menu entry "Marcas" and
// opened to select by the finished-product form.
#include "shell/browse/list_declaration.h"
#include "shell/form/form_declaration.h"

namespace bv::marca {

const ListDeclaration& browseMarca();
const FormDeclaration& updateMarca();

}  // namespace bv::marca
