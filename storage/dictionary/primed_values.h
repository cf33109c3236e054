#pragma once
// The values a new record starts with (BAS:MONEDA "D", today's date for
// FOR1:FECHA and VER:FECHA); every other field starts cleared.
#include "storage/dictionary/record.h"

namespace bv {

// Sets the primed values of the record's table over what the record holds. An
// alias takes its base table's primed values: both have one layout, so this is
// the same as priming the base buffer and copying it over.
void primeFields(Record& record);

// Clears the record, then primes it.
void primeRecord(Record& record);

}  // namespace bv
