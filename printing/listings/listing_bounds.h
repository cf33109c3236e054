#pragma once
// The bounds a listing reads when it starts (changing the range window
// afterwards does not touch a running report), and the sort choices of the
// finished-product listing.
#include <QString>
#include <QStringList>

#include "runtime/decimal.h"

namespace bv {

struct Globals;

struct ListingBounds {
  QString fromProduct;  // GLO:DESDETERMINADO, 10 characters
  QString toProduct;    // GLO:HASTATERMINADO
  Decimal fromLine, toLine;      // Glo:LID, Glo:LIH
  Decimal fromChart, toChart;    // Glo:CAD, Glo:CAH
  Decimal fromBrand, toBrand;    // Glo:MAD, Glo:MAH

  static ListingBounds of(const Globals& g);
};

namespace listing {

// The choices of the sort window, in the order offered ("Por Codigo de
// producto" first and preselected).
QStringList sortChoices();
// The sort field of choice 1 to 5 ("TER:Codigo" ... "TER:Marca"); empty for
// any other number.
QString sortField(int choice);
// The choice an answer names: its number (1 to 5) or its text; 0 for none.
int sortChoiceOf(const QString& answer);
// The order of the view for a sort field: the field first, then the code, so
// that products of one chart (line, brand) follow each other by code.
QString orderFor(const QString& sortField);

// The filter of the finished-product listing over the bound globals.
inline const QString kProductFilter = QStringLiteral(
    "TER:Linea=>Glo:LID and TER:Linea<=Glo:LIH and TER:Carta=>Glo:CAD and TER:Carta<=Glo:CAH and "
    "TER:Marca=>Glo:MAD and TER:Marca<=Glo:MAH");

}  // namespace listing
}  // namespace bv
