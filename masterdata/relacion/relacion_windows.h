#pragma once
// The mixing-ratio relations: the list "Tabla de Relación" (BrowRel), started
// from the menu entry "Relación", and its form "Actualizar Relación"
// (FormaRelacion). The list answers only to its own buttons: the frame's
// toolbar does not act on it.
#include "shell/browse/list_declaration.h"
#include "shell/form/form_declaration.h"

namespace bv::relacion {

const ListDeclaration& browRel();
const FormDeclaration& formaRelacion();

}  // namespace bv::relacion
