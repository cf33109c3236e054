#include "masterdata/carta/carta_windows.h"

#include "masterdata/modifica_formulas.h"

namespace bv::carta {

using namespace Qt::StringLiterals;

const ListDeclaration& browseCarta() {
  static const ListDeclaration list{
      .procedure = u"BrowseCarta"_s,
      .caption = u"Tabla de Cartas de Colores"_s,
      .view = {.table = u"Carta"_s},
      .orders =
          {
              {u"Por Descripcion"_s, u"CAR:KEYDES"_s,
               ListLocator::positioning(u"&Descripcion:"_s, u"CAR:DESCRIPCION"_s, u"s50"_s)},
              {u"Por Codigo"_s, u"CAR:KEYCOD"_s, ListLocator::positioning(u"&Codigo:"_s, u"CAR:CODIGO"_s, u"n3"_s)},
          },
      .columns =
          {
              ListColumn::of(u"CAR:CODIGO"_s, 24, u"Codigo"_s, u"n3"_s).aligned(ColumnAlign::Right),
              ListColumn::of(u"CAR:DESCRIPCION"_s, 80, u"Descripcion"_s, u"s50"_s),
          },
      .form = updateCarta,
      // Charts classify the finished products: the same switch guards them.
      .behaviour = [] { return std::make_unique<ReadOnlyWithoutSwitch>(); },
  };
  return list;
}

const FormDeclaration& updateCarta() {
  static const FormDeclaration form{
      .procedure = u"UpdateCarta"_s,
      .caption = u"Update Carta File"_s,
      .table = u"Carta"_s,
      .tabs = {{u"General"_s,
                {
                    FormField::entry(u"&Codigo:"_s, u"CAR:CODIGO"_s, u"n3"_s).withHistory(),
                    FormField::entry(u"&Descripcion:"_s, u"CAR:DESCRIPCION"_s, u"s50"_s).withHistory(),
                }}},
  };
  return form;
}

}  // namespace bv::carta
