#pragma once
// The process-wide globals through which the main frame and the windows hand
// values to one another. Each is written by the window that starts another one,
// immediately before it starts it; they are never saved.
#include "runtime/decimal.h"

#include <QString>

namespace bv {

struct Globals {
  QString ModificaFormulas = QStringLiteral(" ");  // copy of PAR:MODIFICAFORMULAS
  QString AccionParametros = QStringLiteral(" ");  // "A" add, "M" modify
  Decimal NuevaProduccion;                         // next PRO1:CODIGO
  Decimal Formula;                                 // formula to cost
  Decimal Linea;                                   // line of the products-by-line list
  QString DESDETERMINADO = QString(10, u' ');      // listings: first finished product
  QString HASTATERMINADO = QString(10, u' ');      // listings: last finished product
  Decimal LID, LIH, CAD, CAH, MAD, MAH;            // listing: line, chart, brand bounds
  QString DESDELINEA = QString(5, u' ');           // copy of formulas: source line
  QString HASTALINEA = QString(5, u' ');           // copy of formulas: destination line
  QString LINEABASICOS = QString(5, u' ');         // copy of formulas: line of basics
  Decimal FILA, COLUMNA;                           // labels: first row and column

  // Clears every global (strings to blanks, numbers to zero).
  void clear() { *this = Globals(); }
};

// The one set of globals of the program.
Globals& glo();

// Names by which filters and expressions reach the globals ("Glo:Linea"), with a
// reader of their current value as text or number.
struct GlobalName {
  const char* name;
  bool isNumber;
  Decimal Globals::*number;
  QString Globals::*text;
};
const GlobalName* findGlobal(const QString& name);

}  // namespace bv
