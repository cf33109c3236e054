#pragma once
// The localities: the list "Tabla de Localidades" (BrowseLocalidad), which has
// no menu entry and is reached only through the customer form's locality
// lookup, and its form "Update Localidad File" (UpdateLocalidad).
#include "shell/browse/list_declaration.h"
#include "shell/form/form_declaration.h"

namespace bv::localidad {

const ListDeclaration& browseLocalidad();
const FormDeclaration& updateLocalidad();

}  // namespace bv::localidad
