#pragma once
// The layout of the report "Formula de Produccion", the cost sheet of one
// formula: a heading with the date, time and dollar rate of the issue, the
// formula's header and the column titles of its components; one detail per
// line (code, description, quantity, cost); the totals at the end.
//
// The procedure fills the numbered controls below and prints the bands.
namespace bv {

class Report;

namespace costsheet {

enum Band : int { kHeading = 1, kDetail = 2, kTotals = 3 };

enum Control : int {
  // Heading.
  kIssueDate = 10,        // FECHA_EMISION, "d17"
  kIssueTime,             // HORA_EMISION, "T3"
  kRate,                  // DOL:COTIZACION, "n8.4"
  kFormula,               // FOR1:CODIGO_FORMULA, "n010"
  kProduct,               // FOR1:CODIGO_TERMINADO
  kProductDescription,    // TER:DESCRIPCION
  kRemarks,               // FOR1:OBSERVACIONES
  kQuantity,              // FOR1:CANTIDAD, "n7.3"
  kComponentB,            // FOR1:COMPONENTE_B
  kComponentBDescription, // A_BAS:DESCRIPCION
  kSpecificWeight,        // FOR1:PESO_ESPECIFICO, "n7.4"
  // Detail.
  kLineCode = 30,     // FOR2:CODIGO_BASICO, "s13"
  kLineDescription,   // BAS:DESCRIPCION, "s50"
  kLineQuantity,      // FOR2:CANTIDAD, "n9.4"
  kLineCost,          // LOC:COSTO, "n-14.2"
  // Totals.
  kTotalQuantity = 40,  // sum of FOR2:CANTIDAD, "n10.4"
  kTotalCost,           // sum of LOC:COSTO, "n-14.2"
  // Fixed texts are numbered from here on.
  kFirstText = 100,
};

}  // namespace costsheet

// Declares the cost sheet's page, bands and controls on an empty report.
void buildCostSheetLayout(Report& report);

}  // namespace bv
