#include "printing/labels/marking_list.h"

#include "printing/labels/label_sheet.h"
#include "printing/labels/marking_behaviour.h"
#include "shell/browse/list_window.h"

using namespace Qt::StringLiterals;

namespace bv::labels {
namespace {

ListExtraButton markButton(const QString& text, const QString& name, const QString& icon, MarkAction action) {
  return {text, name, icon, true, [action](ListWindow& list) { actOnMarks(list, action); }};
}

}  // namespace

const ListDeclaration& imprimirEtiquetas() {
  static const ListDeclaration list = [] {
    ListColumn mark = ListColumn::of(kMarkText, 24, u"M"_s, u"s1"_s).fixed();
    mark.icon = [](const WindowFields& row) {
      return row.text(u"PRO1:MARCA"_s) == kMarked ? u"~CHECK.ICO"_s : u"~BLANK.ICO"_s;
    };
    std::vector<ListExtraButton> extras;
    for (const MarkEntry& e : markEntries()) extras.push_back(markButton(e.text, e.name, e.icon, e.action));
    extras.push_back({u"Continuar"_s, u"?Continuar"_s, u"wizOk.ico"_s, false,
                      [](ListWindow& list) { list.startProcedure(u"ImprimirEtiquetas1"_s); }});
    return ListDeclaration{
        .procedure = u"ImprimirEtiquetas"_s,
        .caption = u"Impresion de Etiquetas"_s,
        .view = {.table = u"Produc01"_s,
                 .joins = {{u"Clientes"_s, u"CLI:KEYCOD"_s, {{u"PRO1:CLIENTE"_s, u"CLI:CODIGO"_s}}},
                           {u"Terminado"_s, u"TER:KEYCOD"_s, {{u"PRO1:CODIGO_TERMINADO"_s, u"TER:CODIGO"_s}}}}},
        .orders = {{u"Por Producto Terminado"_s, u"PRO1:KEYTER"_s, {}},
                   {u"Por Fecha"_s, u"PRO1:KEYFEC"_s, {}},
                   {u"Por Cliente"_s, u"PRO1:KEYCLI"_s, {}},
                   {u"Por Codigo Interno"_s, u"PRO1:KEYCOD"_s, {}}},
        .columns =
            {
                mark,
                ListColumn::of(u"PRO1:CODIGO"_s, 40, u"Codigo"_s, u"n010"_s).aligned(ColumnAlign::Right),
                ListColumn::of(u"PRO1:CANTIDAD_ETIQUETAS"_s, 32, u"Etiquetas"_s, u"n3"_s)
                    .aligned(ColumnAlign::Right)
                    .editable(),
                ListColumn::of(u"PRO1:FECHA"_s, 44, u"Fecha"_s, u"D6"_s).aligned(ColumnAlign::Right),
                ListColumn::of(u"PRO1:CODIGO_TERMINADO"_s, 56, u"Terminado"_s, u"s13"_s),
                ListColumn::of(u"TER:DESCRIPCION"_s, 140, u"Descripcion"_s, u"s50"_s),
                ListColumn::of(u"PRO1:CANTIDAD"_s, 44, u"Cantidad"_s, u"n10.4"_s).aligned(ColumnAlign::Right),
                ListColumn::of(u"PRO1:CLIENTE"_s, 28, u"Cliente"_s, u"n05"_s).aligned(ColumnAlign::Right),
                ListColumn::of(u"CLI:NOMBRE"_s, 100, u"Nombre"_s, u"s30"_s),
            },
        .values = {{kMarkText, false,
                    [](const WindowFields& row) {
                      return FieldValue(row.text(u"PRO1:MARCA"_s) == kMarked ? u"*"_s : QString());
                    }}},
        .buttons = {.query = false, .insert = false, .change = false, .remove = false, .toolbox = false, .select = false},
        .extras = std::move(extras),
        .behaviour = [] { return std::make_unique<MarkingBehaviour>(); },
    };
  }();
  return list;
}

}  // namespace bv::labels
