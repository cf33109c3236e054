#include "masterdata/dolar/dolar_windows.h"

namespace bv::dolar {

using namespace Qt::StringLiterals;

const ListDeclaration& browseDolar() {
  static const ListDeclaration list{
      .procedure = u"BrowseDolar"_s,
      .caption = u"Tabla de Cotizacion diaria del Dolar"_s,
      .view = {.table = u"Dolar"_s},
      // One order: the list has no tabs to choose from.
      .orders = {{QString(), u"DOL:KEYFEC"_s, ListLocator::positioning(u"&Fecha:"_s, u"DOL:FECHA"_s, u"d6"_s)}},
      .columns =
          {
              ListColumn::of(u"DOL:FECHA"_s, 40, u"Fecha"_s, u"d6"_s),
              ListColumn::of(u"DOL:COTIZACION"_s, 40, u"Cotizacion"_s, u"n8.4"_s),
          },
      .form = updateDolar,
  };
  return list;
}

const FormDeclaration& updateDolar() {
  static const FormDeclaration form{
      .procedure = u"UpdateDolar"_s,
      .caption = u"Update Dolar File"_s,
      .table = u"Dolar"_s,
      .tabs = {{u"General"_s,
                {
                    FormField::entry(u"&Fecha:"_s, u"DOL:FECHA"_s, u"d6"_s).withHistory(),
                    FormField::entry(u"&Cotizacion:"_s, u"DOL:COTIZACION"_s, u"n8.4"_s).withHistory(),
                }}},
  };
  return form;
}

}  // namespace bv::dolar
