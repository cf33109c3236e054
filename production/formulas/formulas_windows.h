#pragma once
// The formula windows: the list of production formulas, the formula form with
// its component lines, and the list that selects a formula's component B.
#include "shell/browse/list_declaration.h"
#include "shell/form/form_declaration.h"

namespace bv::formulas {

// "Formulas de Producción de Pinturas": every formula with its finished product.
const ListDeclaration& browseFormulas();
// "Update Formula1 File": a formula's header and its lines.
const FormDeclaration& updateFormula();
// "Busqueda de componentes "B"": basic products to select, under A_Basicos.
const ListDeclaration& browseA_Basicos();

}  // namespace bv::formulas
