#pragma once
// The production orders: the list "Pantalla de Producciones Realizadas"
// (BrowseProduccion) with each order's state, customer and product, the form
// "Ficha de Produccion" (UpdateProduc01) that enters one order with its lines,
// and the products of one line (BrowseTerminadoXLinea) its product entry
// offers.
#include "shell/browse/list_declaration.h"
#include "shell/form/form_declaration.h"

namespace bv::produccion {

// The control names of the form's own buttons.
inline constexpr const char* kReloadButton = "?Recargar";
inline constexpr const char* kCalculateButton = "?Calcular";
inline constexpr const char* kWeightButton = "?CalcularPeso";

const ListDeclaration& browseProduccion();
const FormDeclaration& updateProduc01();
const ListDeclaration& browseTerminadoXLinea();

// The order's lines as the form lists them.
const LineListDeclaration& producLines();

}  // namespace bv::produccion
