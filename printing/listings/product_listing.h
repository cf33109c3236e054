#pragma once
// The finished-product listing (ListadoTerminados): the products whose code
// lies between the code bounds and whose line, chart and brand lie between
// their bounds (Glo:LID to Glo:LIH, Glo:CAD to Glo:CAH, Glo:MAD to Glo:MAH,
// bound by name for the filter), in the order of the chosen sort field and
// then the code, each with its line's, chart's and brand's description.
#include "printing/listings/listing_bounds.h"
#include "printing/printed_report.h"

namespace bv {

class ProductListing : public PrintedReport {
 public:
  // `sortField` as the sort window gives it ("TER:Carta").
  ProductListing(FileManagers& files, ContextId context, const ListingBounds& bounds, const QString& sortField);

 protected:
  void step() override;
};

}  // namespace bv
