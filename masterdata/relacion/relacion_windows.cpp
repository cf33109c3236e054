#include "masterdata/relacion/relacion_windows.h"

#include "shell/request_codes.h"

namespace bv::relacion {

using namespace Qt::StringLiterals;

const ListDeclaration& browRel() {
  static const ListDeclaration list{
      .procedure = u"BrowRel"_s,
      .caption = u"Tabla de Relación"_s,
      .view = {.table = u"Relacion"_s},
      .orders = {{u"Por Cantidad"_s, u"REL:KEYCAN"_s, {}}},
      .columns =
          {
              ListColumn::of(u"REL:CANTIDAD"_s, 36, u"Litros"_s, u"n3"_s).aligned(ColumnAlign::Right),
              ListColumn::of(u"REL:CODFINAL"_s, 40, u"Cod Final"_s, u"s1"_s),
          },
      .buttons = {.query = false,
                  .toolbox = false,
                  .selectText = u"E&legir"_s,
                  .selectIcon = u"wizMark.ico"_s,
                  .closeText = u"Cerrar"_s,
                  .closeIcon = u"wizClose.ico"_s},
      .form = formaRelacion,
      .takesToolbar = false,
  };
  return list;
}

const FormDeclaration& formaRelacion() {
  static const FormDeclaration form{
      .procedure = u"FormaRelacion"_s,
      .caption = u"Actualizar Relación"_s,
      .table = u"Relacion"_s,
      .tabs = {{u"General"_s,
                {
                    FormField::entry(u"&Litros:"_s, u"REL:CANTIDAD"_s, u"n3"_s).withHistory(),
                    FormField::entry(u"&Cód Final:"_s, u"REL:CODFINAL"_s, u"s1"_s).withHistory(),
                }}},
      .okText = u"OK"_s,
      .okIcon = u"wizOk.ico"_s,
      .cancelText = u"Cancelar"_s,
      .cancelIcon = u"wizCncl.ico"_s,
      .titles = {{kInsertRecord, u"Agregando Relacion"_s},
                 {kChangeRecord, u"Editando Relacion"_s},
                 {kViewRecord, u"Ver registro"_s}},
  };
  return form;
}

}  // namespace bv::relacion
