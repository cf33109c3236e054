#include "masterdata/carta/carta_windows.h"

#include "masterdata/code_table_windows.h"
#include "masterdata/modifica_formulas.h"

namespace bv::carta {

using namespace Qt::StringLiterals;

namespace {
const CodeTableNames kNames{
    .table = u"Carta"_s,
    .prefix = u"CAR"_s,
    .list = u"BrowseCarta"_s,
    .listCaption = u"Tabla de Cartas de Colores"_s,
    .form = u"UpdateCarta"_s,
    .formCaption = u"Update Carta File"_s,
    .descriptionPicture = u"s50"_s,
};
}  // namespace

const ListDeclaration& browseCarta() {
  static const ListDeclaration list = [] {
    ListDeclaration l = codeTableList(kNames, updateCarta);
    // Charts classify the finished products: the same switch guards them.
    l.behaviour = [] { return std::make_unique<ReadOnlyWithoutSwitch>(); };
    return l;
  }();
  return list;
}

const FormDeclaration& updateCarta() {
  static const FormDeclaration form = codeTableForm(kNames);
  return form;
}

}  // namespace bv::carta
