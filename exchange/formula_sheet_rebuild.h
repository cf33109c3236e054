#pragma once
// "Procesar" of the window "Generar Planilla": the Planilla file made anew from
// the formulas. One row per formula, in the order of the finished product's
// code (FOR1:KEYTER): the finished product's code and description (blank when
// the product is missing), the formula's specific weight, and each line's
// quantity in the column of its basic product.
//
// The file is emptied and refilled in one transaction, so another station
// reading the sheet sees the old rows or the new ones, never half of them; a
// failure leaves the old rows and shows its message after the rollback.
namespace bv {

class FileManagers;

// Answers 0 when the sheet was made, else the level of the failure (its
// message shown).
int rebuildFormulaSheet(FileManagers& files);

}  // namespace bv
