#include "masterdata/tipocli/tipocli_windows.h"

#include "masterdata/code_table_windows.h"

namespace bv::tipocli {

using namespace Qt::StringLiterals;

namespace {
const CodeTableNames kNames{
    .table = u"TipoCli"_s,
    .prefix = u"TIP"_s,
    .list = u"BrowseTipoCli"_s,
    .listCaption = u"Tabla de Tipos de Clientes"_s,
    .form = u"UpdateTipoCli"_s,
    .formCaption = u"Update TipoCli File"_s,
    .descriptionPicture = u"s50"_s,
    .background = u"wizBck02.gif"_s,
};
}  // namespace

const ListDeclaration& browseTipoCli() {
  static const ListDeclaration list = codeTableList(kNames, updateTipoCli);
  return list;
}

const FormDeclaration& updateTipoCli() {
  static const FormDeclaration form = codeTableForm(kNames);
  return form;
}

}  // namespace bv::tipocli
