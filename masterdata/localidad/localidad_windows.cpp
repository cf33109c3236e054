#include "masterdata/localidad/localidad_windows.h"

#include "masterdata/code_table_windows.h"

namespace bv::localidad {

using namespace Qt::StringLiterals;

namespace {
const CodeTableNames kNames{
    .table = u"Localidad"_s,
    .prefix = u"LOC"_s,
    .list = u"BrowseLocalidad"_s,
    .listCaption = u"Tabla de Localidades"_s,
    .form = u"UpdateLocalidad"_s,
    .formCaption = u"Update Localidad File"_s,
    .descriptionPicture = u"s30"_s,
};
}  // namespace

const ListDeclaration& browseLocalidad() {
  static const ListDeclaration list = codeTableList(kNames, updateLocalidad);
  return list;
}

const FormDeclaration& updateLocalidad() {
  static const FormDeclaration form = codeTableForm(kNames);
  return form;
}

}  // namespace bv::localidad
