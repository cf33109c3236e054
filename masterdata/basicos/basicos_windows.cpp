#include "masterdata/basicos/basicos_windows.h"

#include "masterdata/basicos/basicos_behaviour.h"
#include "masterdata/linea/linea_windows.h"

namespace bv::basicos {

using namespace Qt::StringLiterals;

namespace {

// The net cost of the row the list has just read: its line's discounts are
// blank (zero) when the product's code names no line.
FieldValue rowNetCost(const WindowFields& row) {
  return netCost(row.number(u"BAS:COSTO"_s), row.number(u"LIN:BONI1"_s), row.number(u"LIN:BONI2"_s),
                 row.number(u"LIN:BONI3"_s));
}

// From the line's code on, the columns take colours; every row leaves all
// four as the list's own.
ListColumn coloured(ListColumn column) {
  column.colours = [](const WindowFields&) { return RowColours{}; };
  return column;
}

}  // namespace

const ListDeclaration& browseBasicos() {
  static const ListDeclaration list{
      .procedure = u"BrowseBasicos"_s,
      .caption = u"Tabla de Productos Básicos"_s,
      // Each product joins the line whose code is the numeric value of its own.
      .view = {.table = u"Basicos"_s,
               .joins = {{u"Linea"_s, u"LIN:KEYCOD"_s, {{u"BAS:CODIGO"_s, u"LIN:CODIGO"_s}}}}},
      .orders =
          {
              {u"Por Descripción"_s, u"BAS:KEYDES"_s,
               ListLocator::contains(u"&Descripción Contenga:"_s, u"BAS:DESCRIPCION"_s, u"s50"_s)},
              {u"Por Código"_s, u"BAS:KEYCOD"_s,
               ListLocator::positioning(u"&Código:"_s, u"BAS:CODIGO"_s, u"s13"_s)},
          },
      .columns =
          {
              ListColumn::of(u"BAS:CODIGO"_s, 57, u"Código"_s, u"s13"_s),
              ListColumn::of(u"BAS:DESCRIPCION"_s, 159, u"Descripción"_s, u"s50"_s),
              ListColumn::of(u"BAS:UNIDAD_POR_LATA"_s, 33, u"Lts. x Lta."_s, u"n2"_s),
              ListColumn::of(u"BAS:COSTO"_s, 35, u"Costo"_s, u"n10.2"_s).aligned(ColumnAlign::Right),
              ListColumn::of(u"BAS:MONEDA"_s, 19, u"Mda"_s, u"s1"_s).aligned(ColumnAlign::Centre),
              coloured(ListColumn::of(u"LIN:CODIGO"_s, 21, u"Línea"_s, u"n3"_s).aligned(ColumnAlign::Right)),
              coloured(ListColumn::of(u"LIN:BONI1"_s, 28, u"Boni 1"_s, u"n-7.2"_s)),
              coloured(ListColumn::of(u"LIN:BONI2"_s, 28, u"Boni 2"_s, u"n-7.2"_s)),
              coloured(ListColumn::of(u"LIN:BONI3"_s, 28, u"Boni 3"_s, u"n-7.2"_s)),
              coloured(ListColumn::of(u"CostoNeto"_s, 38, u"Costo Neto"_s, u"n-11.4"_s).aligned(ColumnAlign::Decimal)),
              coloured(ListColumn::of(u"LIN:MARGEN"_s, 28, u"Margen"_s, u"n-7.2"_s)),
              coloured(ListColumn::of(u"BAS:COLUMNA_EN_EXCEL"_s, 8, u"Columna en Excel"_s, u"s2"_s)),
          },
      .values = {{u"CostoNeto"_s, true, rowNetCost}},
      .form = updateBasicos,
      .enterAsTab = true,
      .behaviour = [] { return std::make_unique<BasicosListBehaviour>(); },
  };
  return list;
}

const FormDeclaration& updateBasicos() {
  static const FormDeclaration form = [] {
    FormField currency = FormField::entry(u"&Moneda"_s, u"BAS:MONEDA"_s).withHistory();
    currency.control = FormControl::Option;
    currency.choices = {{u"Dolar"_s, u"D"_s}, {u"Peso"_s, u"P"_s}};
    FormField margin = FormField::entry(u"Margen Utilidad:"_s, u"BAS:MARGENUTILIDAD"_s, u"n7.2"_s).withHistory();
    margin.after = u"%"_s;
    FormField perCan = FormField::entry(u"&Unidad por lata:"_s, u"BAS:UNIDAD_POR_LATA"_s, u"n2"_s).withHistory();
    perCan.after = u"Lts."_s;
    FormField line = FormField::entry(u"Código Línea:"_s, u"LIN:CODIGO"_s, u"n3"_s);
    line.lookup = FormLookup{.key = u"LIN:KEYCOD"_s, .field = u"LIN:CODIGO"_s, .list = linea::browseLinea};
    FormField lineMargin = FormField::display(u"LIN:MARGEN"_s, u"n-7.2"_s);
    lineMargin.prompt = u"Margen &Utilidad:"_s;
    lineMargin.after = u"%"_s;
    const auto discount = [](const QString& field, bool first) {
      FormField f = FormField::display(field, u"n-7.2"_s);
      if (first) f.prompt = u"Bonificaciones:"_s;
      f.after = u"%"_s;
      f.sameRow = !first;
      return f;
    };
    FormField net = FormField::display(u"CostoNeto"_s, u"n-11.4"_s);
    net.prompt = u"Costo Neto:"_s;
    FormField sheet = FormField::entry(u"Ficha tecnica:"_s, u"BAS:FICHA_TECNICA"_s).withHistory();
    sheet.control = FormControl::Text;

    return FormDeclaration{
        .procedure = u"UpdateBasicos"_s,
        .caption = u"Update Basicos File"_s,
        .table = u"Basicos"_s,
        .tabs = {{u"Datos Generales"_s,
                  {
                      FormField::entry(u"&Código:"_s, u"BAS:CODIGO"_s, u"s13"_s).withHistory(),
                      FormField::entry(u"Columna &Excel:"_s, u"BAS:COLUMNA_EN_EXCEL"_s, u"s2"_s).withHistory(),
                      FormField::entry(u" &Descripción:"_s, u"BAS:DESCRIPCION"_s, u"s50"_s).withHistory(),
                      FormField::entry(u"&Peso especifico:"_s, u"BAS:PESO_ESPECIFICO"_s, u"n7.4"_s).withHistory(),
                      FormField::entry(u"&Costo:"_s, u"BAS:COSTO"_s, u"n10.2"_s).withHistory(),
                      margin,
                      currency,
                      perCan,
                      line,
                      FormField::display(u"LIN:DESCRIPCION"_s, u"s30"_s).beside(),
                      lineMargin,
                      discount(u"LIN:BONI1"_s, true),
                      discount(u"LIN:BONI2"_s, false),
                      discount(u"LIN:BONI3"_s, false),
                      net,
                  }},
                 {u"Ficha Técnica"_s, {sheet}}},
        // The line is read for its displays only: it is never written here.
        .opens = {u"Linea"_s},
        .enterAsTab = true,
        .behaviour = [] { return std::make_unique<BasicosFormBehaviour>(); },
    };
  }();
  return form;
}

}  // namespace bv::basicos
