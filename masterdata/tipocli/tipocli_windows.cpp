#include "masterdata/tipocli/tipocli_windows.h"

namespace bv::tipocli {

using namespace Qt::StringLiterals;

const ListDeclaration& browseTipoCli() {
  static const ListDeclaration list{
      .procedure = u"BrowseTipoCli"_s,
      .caption = u"Tabla de Tipos de Clientes"_s,
      .background = u"wizBck02.gif"_s,
      .view = {.table = u"TipoCli"_s},
      .orders =
          {
              {u"Por Descripcion"_s, u"TIP:KEYDES"_s,
               ListLocator::positioning(u"&Descripcion:"_s, u"TIP:DESCRIPCION"_s, u"s50"_s)},
              {u"Por Codigo"_s, u"TIP:KEYCOD"_s, ListLocator::positioning(u"&Codigo:"_s, u"TIP:CODIGO"_s, u"n3"_s)},
          },
      .columns =
          {
              ListColumn::of(u"TIP:CODIGO"_s, 24, u"Codigo"_s, u"n3"_s).aligned(ColumnAlign::Right),
              ListColumn::of(u"TIP:DESCRIPCION"_s, 80, u"Descripcion"_s, u"s50"_s),
          },
      .form = updateTipoCli,
  };
  return list;
}

const FormDeclaration& updateTipoCli() {
  static const FormDeclaration form{
      .procedure = u"UpdateTipoCli"_s,
      .caption = u"Update TipoCli File"_s,
      .table = u"TipoCli"_s,
      .background = u"wizBck02.gif"_s,
      .tabs = {{u"General"_s,
                {
                    FormField::entry(u"&Codigo:"_s, u"TIP:CODIGO"_s, u"n3"_s).withHistory(),
                    FormField::entry(u"&Descripcion:"_s, u"TIP:DESCRIPCION"_s, u"s50"_s).withHistory(),
                }}},
  };
  return form;
}

}  // namespace bv::tipocli
