#pragma once
// The purchase windows: the list of vouchers of basic products received and
// the voucher form with its lines, whose save moves the relative stock.
#include "shell/browse/list_declaration.h"
#include "shell/form/form_declaration.h"

namespace bv::compras {

// "Control de Ingreso de Mercaderias Básicas": every voucher.
const ListDeclaration& browseCompras();
// "Comprobante de Ingreso de mercaderias basicas": a voucher and its lines.
const FormDeclaration& updateCompras();
// The voucher's lines as the form edits and saves them (Compra2, with the
// stock of Basicos moved by their hooks).
const LineListDeclaration& compraLines();

}  // namespace bv::compras
