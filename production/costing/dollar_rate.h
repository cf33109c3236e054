#pragma once
// The dollar rate of a date: the rate of the latest day on or before it in
// Dolar, or 1 when Dolar holds none that early.
#include "runtime/date_time.h"
#include "runtime/decimal.h"

namespace bv {

class FileManager;

// Reads Dolar (opened by the caller) backwards along DOL:KEYFEC from `date`.
// The rate found is left in the Dolar buffer as DOL:COTIZACION (1 when there
// is none), where the cost sheet prints it from, and answered with its 4
// decimals. A read that fails counts as no rate.
Decimal dollarRateOn(FileManager& dolar, Date date);

}  // namespace bv
