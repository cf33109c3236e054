#include "masterdata/code_table_windows.h"

namespace bv {

using namespace Qt::StringLiterals;

ListDeclaration codeTableList(const CodeTableNames& n, std::function<const FormDeclaration&()> form) {
  const QString code = n.prefix + u":CODIGO"_s;
  const QString description = n.prefix + u":DESCRIPCION"_s;
  return ListDeclaration{
      .procedure = n.list,
      .caption = n.listCaption,
      .background = n.background,
      .view = {.table = n.table},
      .orders =
          {
              {u"Por Descripcion"_s, n.prefix + u":KEYDES"_s,
               ListLocator::positioning(u"&Descripcion:"_s, description, n.descriptionPicture)},
              {u"Por Codigo"_s, n.prefix + u":KEYCOD"_s, ListLocator::positioning(u"&Codigo:"_s, code, u"n3"_s)},
          },
      .columns =
          {
              ListColumn::of(code, 24, u"Codigo"_s, u"n3"_s).aligned(ColumnAlign::Right),
              ListColumn::of(description, 80, u"Descripcion"_s, n.descriptionPicture),
          },
      .form = std::move(form),
  };
}

FormDeclaration codeTableForm(const CodeTableNames& n) {
  return FormDeclaration{
      .procedure = n.form,
      .caption = n.formCaption,
      .table = n.table,
      .background = n.background,
      .tabs = {{u"General"_s,
                {
                    FormField::entry(u"&Codigo:"_s, n.prefix + u":CODIGO"_s, u"n3"_s).withHistory(),
                    FormField::entry(u"&Descripcion:"_s, n.prefix + u":DESCRIPCION"_s, n.descriptionPicture)
                        .withHistory(),
                }}},
  };
}

}  // namespace bv
