#include "production/costing/dollar_rate.h"

#include "storage/managers/file_managers.h"

namespace bv {

Decimal dollarRateOn(FileManager& dolar, Date date) {
  Record& rate = dolar.buffer();
  rate.clear();
  rate.setDate("DOL:FECHA", date);
  if (dolar.setPosition(dolar.keyDef(u"DOL:KEYFEC")) == kLevelBenign) {
    while (dolar.tryPrevious() == kLevelBenign) {
      if (rate.date("DOL:FECHA") <= date) return rate.decimal("DOL:COTIZACION").rounded(4);
    }
  }
  rate.clear();
  rate.setDecimal("DOL:COTIZACION", Decimal(1));
  return Decimal(1).rounded(4);
}

}  // namespace bv
