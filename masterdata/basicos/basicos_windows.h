#pragma once
// The basic products: the list with the net cost of each product in its
// line, and the form that edits one product.
#include "shell/browse/list_declaration.h"
#include "shell/form/form_declaration.h"

namespace bv::basicos {

const ListDeclaration& browseBasicos();
const FormDeclaration& updateBasicos();

}  // namespace bv::basicos
