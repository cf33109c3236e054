#pragma once
// The daily dollar rate: the list "Tabla de Cotizacion diaria del Dolar"
// (BrowseDolar), started from the menu entry "Cotizaciones del Dólar", and its
// form "Update Dolar File" (UpdateDolar). A rate is stored with four decimals
// and at most three digits before the point: a larger one is refused by the
// form with the largest value the field holds, never cut.
#include "shell/browse/list_declaration.h"
#include "shell/form/form_declaration.h"

namespace bv::dolar {

const ListDeclaration& browseDolar();
const FormDeclaration& updateDolar();

}  // namespace bv::dolar
