#include "masterdata/localidad/localidad_windows.h"

namespace bv::localidad {

using namespace Qt::StringLiterals;

const ListDeclaration& browseLocalidad() {
  static const ListDeclaration list{
      .procedure = u"BrowseLocalidad"_s,
      .caption = u"Tabla de Localidades"_s,
      .view = {.table = u"Localidad"_s},
      .orders =
          {
              {u"Por Descripcion"_s, u"LOC:KEYDES"_s,
               ListLocator::positioning(u"&Descripcion:"_s, u"LOC:DESCRIPCION"_s, u"s30"_s)},
              {u"Por Codigo"_s, u"LOC:KEYCOD"_s, ListLocator::positioning(u"&Codigo:"_s, u"LOC:CODIGO"_s, u"n3"_s)},
          },
      .columns =
          {
              ListColumn::of(u"LOC:CODIGO"_s, 24, u"Codigo"_s, u"n3"_s).aligned(ColumnAlign::Right),
              ListColumn::of(u"LOC:DESCRIPCION"_s, 80, u"Descripcion"_s, u"s30"_s),
          },
      .form = updateLocalidad,
  };
  return list;
}

const FormDeclaration& updateLocalidad() {
  static const FormDeclaration form{
      .procedure = u"UpdateLocalidad"_s,
      .caption = u"Update Localidad File"_s,
      .table = u"Localidad"_s,
      .tabs = {{u"General"_s,
                {
                    FormField::entry(u"&Codigo:"_s, u"LOC:CODIGO"_s, u"n3"_s).withHistory(),
                    FormField::entry(u"&Descripcion:"_s, u"LOC:DESCRIPCION"_s, u"s30"_s).withHistory(),
                }}},
  };
  return form;
}

}  // namespace bv::localidad
