#pragma once
// The formula listing (ListadoFormulas): the formulas in the order of their
// finished product's code (FOR1:KEYTER), from the first to the last code of
// the bounds, each with its product's description. A bound holds 10
// characters: a longer code that starts with the upper bound sorts after it
// and is left out; an empty upper bound lists nothing.
#include "printing/listings/listing_bounds.h"
#include "printing/printed_report.h"

namespace bv {

class FormulaListing : public PrintedReport {
 public:
  FormulaListing(FileManagers& files, ContextId context, const ListingBounds& bounds);

 protected:
  void step() override;
};

}  // namespace bv
