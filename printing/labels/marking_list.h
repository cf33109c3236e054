#pragma once
// ImprimirEtiquetas, "Impresion de Etiquetas": the production orders with
// their mark for label printing. The mark column shows a check and "*" for a
// marked order; a left click on it flips the mark. The label count is edited
// in place and written at once. The eight mark buttons (also in the popup
// menu, in three groups) mark, unmark or flip this order or every order of
// the view, or move to the previous or next marked one. "Continuar" starts
// ImprimirEtiquetas1 and leaves the list open. On opening, marks left from an
// earlier run may be cleared.
//
// Controls beside the list's own: "?Marca", "?Desmarca", "?Cambia",
// "?MarcaTodo", "?DesmTodo", "?CambiaTodo", "?Previo", "?Proximo",
// "?Continuar".
#include "shell/browse/list_declaration.h"

namespace bv::labels {

const ListDeclaration& imprimirEtiquetas();

// The column of the mark and of the label count.
constexpr int kMarkColumn = 0;
constexpr int kCountColumn = 2;

}  // namespace bv::labels
