#include "masterdata/terminado/terminado_windows.h"

#include "masterdata/carta/carta_windows.h"
#include "masterdata/linea/linea_windows.h"
#include "masterdata/marca/marca_windows.h"
#include "masterdata/modifica_formulas.h"
#include "masterdata/terminado/terminado_behaviour.h"

namespace bv::terminado {

using namespace Qt::StringLiterals;

const ListDeclaration& browseTerminado() {
  static const ListDeclaration list{
      .procedure = u"BrowseTerminado"_s,
      .caption = u"Tabla de Productos Terminados"_s,
      // A product whose brand, line or chart is missing stays in the list
      // with those columns blank.
      .view = {.table = u"Terminado"_s,
               .joins = {{u"Marca"_s, u"MAR:KEYCOD"_s, {{u"TER:MARCA"_s, u"MAR:CODIGO"_s}}},
                         {u"Linea"_s, u"LIN:KEYCOD"_s, {{u"TER:LINEA"_s, u"LIN:CODIGO"_s}}},
                         {u"Carta"_s, u"CAR:KEYCOD"_s, {{u"TER:CARTA"_s, u"CAR:CODIGO"_s}}}}},
      .orders =
          {
              {u"Por Descripción"_s, u"TER:KEYDES"_s,
               ListLocator::contains(u"&Descripcion Contenga:"_s, u"TER:DESCRIPCION"_s, u"s50"_s)},
              {u"Por Código"_s, u"TER:KEYCOD"_s, ListLocator::positioning(u"&Codigo:"_s, u"TER:CODIGO"_s, u"s13"_s)},
              {u"Por Linea"_s, u"TER:KEYLIN"_s,
               ListLocator::positioning(u"&Código de Linea:"_s, u"TER:LINEA"_s, u"n3"_s)},
              {u"Por Carta"_s, u"TER:KEYCAR"_s,
               ListLocator::positioning(u"&Código de Carta:"_s, u"TER:CARTA"_s, u"n3"_s)},
              {u"Por Marca"_s, u"TER:KEYMAR"_s, ListLocator::positioning(u"&Marca:"_s, u"TER:MARCA"_s, u"n3"_s)},
          },
      .columns =
          {
              ListColumn::of(u"TER:CODIGO"_s, 52, u"Código"_s, u"s13"_s).fixed(),
              ListColumn::of(u"TER:DESCRIPCION"_s, 200, u"Descripción"_s, u"s50"_s).fixed(),
              ListColumn::of(u"TER:LINEA"_s, 20, u"Cod"_s, u"n3"_s).aligned(ColumnAlign::Right).inGroup(u"Linea"_s),
              ListColumn::of(u"LIN:DESCRIPCION"_s, 90, u"Descripción"_s, u"s30"_s).inGroup(u"Linea"_s),
              ListColumn::of(u"TER:CARTA"_s, 20, u"Cod"_s, u"n3"_s).aligned(ColumnAlign::Right).inGroup(u"Carta"_s),
              ListColumn::of(u"CAR:DESCRIPCION"_s, 90, u"Descripción"_s, u"s50"_s).inGroup(u"Carta"_s),
              ListColumn::of(u"TER:SISTEMA"_s, 4, u"Sistema"_s, u"s1"_s),
          },
      .queryFields =
          {
              {u"UPPER(TER:Codigo)"_s, u"1Codigo de Producto Terminado"_s, u"s13"_s},
              {u"UPPER(TER:Descripcion)"_s, u"2Descripcion del producto"_s, u"s20"_s},
              {u"UPPER(TER:Linea)"_s, u"3Codigo de Linea"_s, u"N03"_s},
              {u"UPPER(LIN:Descripcion)"_s, u"4Descripcion de Linea"_s, u"s20"_s},
              {u"UPPER(TER:Carta)"_s, u"5Codigo de Carta"_s, u"N03"_s},
              {u"UPPER(CAR:Descripcion)"_s, u"6Descripcion de Carta"_s, u"s20"_s},
              {u"UPPER(TER:Marca)"_s, u"7Codigo de Marca"_s, u"N03"_s},
              {u"UPPER(MAR:Descripcion)"_s, u"8Descripcion de Marca"_s, u"s20"_s},
          },
      .form = updateTerminado,
      .enterAsTab = true,
      .behaviour = [] { return std::make_unique<ReadOnlyWithoutSwitch>(); },
  };
  return list;
}

namespace {

// A code entry looked up in its table, with the description shown beside it.
FormField codeEntry(const QString& prompt, const QString& field, const QString& key, const QString& code,
                    std::function<const ListDeclaration&()> list) {
  FormField f = FormField::entry(prompt, field, u"n3"_s).withHistory();
  f.lookup = FormLookup{.key = key, .field = code, .list = std::move(list)};
  return f;
}

}  // namespace

const FormDeclaration& updateTerminado() {
  static const FormDeclaration form = [] {
    // Every product needs a line, so line 0 is looked up like any other code;
    // a chart or brand of 0 means none.
    FormField line = codeEntry(u"&Linea:"_s, u"TER:LINEA"_s, u"LIN:KEYCOD"_s, u"LIN:CODIGO"_s, linea::browseLinea);
    line.lookup->always = true;
    FormField margin = FormField::entry(u"Margen Utilidad:"_s, u"TER:MARGENUTILIDAD"_s, u"n6.2"_s).withHistory();
    margin.after = u"%"_s;
    FormField system = FormField::entry(u"Sistema"_s, u"TER:SISTEMA"_s).withHistory();
    system.control = FormControl::Option;
    system.choices = {{u"Mezcla"_s, u"M"_s}, {u"Entintado"_s, u"E"_s}};
    FormField sheet = FormField::entry(u"&Ficha Tecnica:"_s, u"TER:FICHA_TECNICA"_s).withHistory();
    sheet.control = FormControl::Text;
    sheet.tip = u"Datos tecnicos que pueda considerarse de utilidad"_s;

    return FormDeclaration{
        .procedure = u"UpdateTerminado"_s,
        .caption = u"Update Terminado File"_s,
        .table = u"Terminado"_s,
        .tabs = {{u"General"_s,
                  {
                      FormField::entry(u"&Codigo:"_s, u"TER:CODIGO"_s, u"s13"_s).withHistory(),
                      FormField::entry(u"&Descripcion:"_s, u"TER:DESCRIPCION"_s, u"s50"_s).withHistory(),
                      line,
                      FormField::display(u"LIN:DESCRIPCION"_s, u"s30"_s).beside(),
                      codeEntry(u"&Carta:"_s, u"TER:CARTA"_s, u"CAR:KEYCOD"_s, u"CAR:CODIGO"_s, carta::browseCarta),
                      FormField::display(u"CAR:DESCRIPCION"_s, u"s50"_s).beside(),
                      codeEntry(u"&Marca:"_s, u"TER:MARCA"_s, u"MAR:KEYCOD"_s, u"MAR:CODIGO"_s, marca::browseMarca),
                      FormField::display(u"MAR:DESCRIPCION"_s, u"s50"_s).beside(),
                      margin,
                      system,
                      sheet,
                  }}},
        // Brand, line and chart are read for their descriptions only.
        .opens = {u"Marca"_s, u"Linea"_s, u"Carta"_s},
        .enterAsTab = true,
        .behaviour = [] { return std::make_unique<TerminadoFormBehaviour>(); },
    };
  }();
  return form;
}

}  // namespace bv::terminado
