#pragma once
// The product lines: their discounts and margin, which the net costs of the
// basic products use.
#include "shell/browse/list_declaration.h"
#include "shell/form/form_declaration.h"

namespace bv::linea {

const ListDeclaration& browseLinea();
const FormDeclaration& updateLinea();

}  // namespace bv::linea
