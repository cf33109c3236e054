#include "masterdata/marca/marca_windows.h"

namespace bv::marca {

const ListDeclaration& browseMarca() {
  static const ListDeclaration list{
      .procedure = QStringLiteral("BrowseMarca"),
      .caption = QStringLiteral("Tabla de Marcas"),
      .view = {.table = QStringLiteral("Marca")},
      .orders =
          {
              {QStringLiteral("Por Descripcion"), QStringLiteral("MAR:KEYDES"),
               ListLocator::positioning(QStringLiteral("&Descripcion:"), QStringLiteral("MAR:DESCRIPCION"),
                                        QStringLiteral("s50"))},
              {QStringLiteral("Por Codigo"), QStringLiteral("MAR:KEYCOD"),
               ListLocator::positioning(QStringLiteral("&Codigo:"), QStringLiteral("MAR:CODIGO"), QStringLiteral("n3"))},
          },
      .columns =
          {
              ListColumn::of(QStringLiteral("MAR:CODIGO"), 24, QStringLiteral("Codigo"), QStringLiteral("n3"))
                  .aligned(ColumnAlign::Right),
              ListColumn::of(QStringLiteral("MAR:DESCRIPCION"), 80, QStringLiteral("Descripcion"),
                             QStringLiteral("s50")),
          },
      .form = updateMarca,
  };
  return list;
}

const FormDeclaration& updateMarca() {
  static const FormDeclaration form{
      .procedure = QStringLiteral("UpdateMarca"),
      .caption = QStringLiteral("Update Marca File"),
      .table = QStringLiteral("Marca"),
      .tabs = {{QStringLiteral("General"),
                {
                    FormField::entry(QStringLiteral("&Codigo:"), QStringLiteral("MAR:CODIGO"), QStringLiteral("n3"))
                        .withHistory(),
                    FormField::entry(QStringLiteral("&Descripcion:"), QStringLiteral("MAR:DESCRIPCION"),
                                     QStringLiteral("s50"))
                        .withHistory(),
                }}},
  };
  return form;
}

}  // namespace bv::marca
