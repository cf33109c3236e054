#pragma once
// The finished products: the list "Tabla de Productos Terminados"
// (BrowseTerminado) with each product's line, chart and brand, and the form
// "Update Terminado File" (UpdateTerminado) that edits one product.
#include "shell/browse/list_declaration.h"
#include "shell/form/form_declaration.h"

namespace bv::terminado {

const ListDeclaration& browseTerminado();
const FormDeclaration& updateTerminado();

}  // namespace bv::terminado
