#include "masterdata/marca/marca_windows.h"

#include "masterdata/code_table_windows.h"

namespace bv::marca {

using namespace Qt::StringLiterals;

namespace {
const CodeTableNames kNames{
    .table = u"Marca"_s,
    .prefix = u"MAR"_s,
    .list = u"BrowseMarca"_s,
    .listCaption = u"Tabla de Marcas"_s,
    .form = u"UpdateMarca"_s,
    .formCaption = u"Update Marca File"_s,
    .descriptionPicture = u"s50"_s,
};
}  // namespace

const ListDeclaration& browseMarca() {
  static const ListDeclaration list = codeTableList(kNames, updateMarca);
  return list;
}

const FormDeclaration& updateMarca() {
  static const FormDeclaration form = codeTableForm(kNames);
  return form;
}

}  // namespace bv::marca
