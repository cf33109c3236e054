#include "production/compras/compras_windows.h"

#include "masterdata/basicos/basicos_windows.h"
#include "production/compras/compras_behaviour.h"
#include "production/compras/compras_stock.h"

namespace bv::compras {

using namespace Qt::StringLiterals;

const LineListDeclaration& compraLines() {
  static const LineListDeclaration lines = [] {
    LineColumn code =
        LineColumn::of(u"COM2:CODIGO_BASICO"_s, 70, u"Codigo Basico"_s, u"s13"_s).editedAs(CellEditor::Text);
    code.lookup = FormLookup{.key = u"BAS:KEYCOD"_s, .field = u"BAS:CODIGO"_s, .list = basicos::browseBasicos};
    // A zero quantity receives nothing: the cell refuses it.
    LineColumn quantity = LineColumn::of(u"COM2:CANTIDAD"_s, 50, u"Cantidad"_s, u"n10.4"_s)
                              .editedAs(CellEditor::Numeric)
                              .aligned(ColumnAlign::Right)
                              .refusingZero();
    return LineListDeclaration{
        .table = u"Compra2"_s,
        .heading = u"Productos Básicos Ingresados a Stock"_s,
        .columns = {code, LineColumn::of(u"BAS:DESCRIPCION"_s, 159, u"Descripcion"_s, u"s50"_s), quantity},
        .joins = {{u"Basicos"_s, u"BAS:KEYCOD"_s, {{u"COM2:CODIGO_BASICO"_s, u"BAS:CODIGO"_s}}}},
        .tables = {u"Basicos"_s},
        .hooks = stockHooks(),
    };
  }();
  return lines;
}

const ListDeclaration& browseCompras() {
  static const ListDeclaration list{
      .procedure = u"Compras"_s,
      .caption = u"Control de Ingreso de Mercaderias Básicas"_s,
      .view = {.table = u"Compra1"_s},
      .orders =
          {
              {u"Por Nro. de Comprobante"_s, u"COM1:KEYCOM"_s,
               ListLocator::positioning(u"&Numero de Comprobante:"_s, u"COM1:COMPROBANTE"_s, u"n08"_s)},
              {u"Por Tipo y Nro. de Comprobante"_s, u"COM1:KEYTICO"_s,
               ListLocator::positioning(u"&Tipo de Comprobante:"_s, u"COM1:TIPO_DE_COMPROBANTE"_s, u"s2"_s)},
              {u"Por Fecha"_s, u"COM1:KEYFEC"_s, ListLocator::positioning(u"&Fecha:"_s, u"COM1:FECHA"_s, u"d6"_s)},
          },
      .columns =
          {
              ListColumn::of(u"COM1:TIPO_DE_COMPROBANTE"_s, 16, u"TC"_s, u"s2"_s),
              ListColumn::of(u"COM1:COMPROBANTE"_s, 44, u"Comprobante"_s, u"n08"_s).aligned(ColumnAlign::Right),
              ListColumn::of(u"COM1:FECHA"_s, 40, u"Fecha"_s, u"d6"_s).aligned(ColumnAlign::Right),
              ListColumn::of(u"COM1:OBSERVACIONES"_s, 200, u"Observaciones"_s, u"s50"_s),
          },
      .buttons = {.queryText = u"&Filtrar"_s},
      .form = updateCompras,
  };
  return list;
}

const FormDeclaration& updateCompras() {
  static const FormDeclaration form = [] {
    FormTab tab{u"Comprobante"_s,
                {
                    FormField::entry(u"&Tipo de Comprobante:"_s, u"COM1:TIPO_DE_COMPROBANTE"_s, u"s2"_s),
                    FormField::entry(u"&Numero de Comprobante:"_s, u"COM1:COMPROBANTE"_s, u"n08"_s),
                    FormField::entry(u"&Fecha:"_s, u"COM1:FECHA"_s, u"d6"_s),
                    FormField::entry(u"&Observaciones:"_s, u"COM1:OBSERVACIONES"_s, u"s50"_s),
                },
                compraLines()};
    return FormDeclaration{
        .procedure = u"UpdateCompras"_s,
        .caption = u"Comprobante de Ingreso de mercaderias basicas"_s,
        .table = u"Compra1"_s,
        .tabs = {tab},
        .opens = {u"Basicos"_s},
        .okText = u"&Grabar"_s,
        .cancelText = u"&Cancelar"_s,
        .behaviour = [] { return std::make_unique<CompraFormBehaviour>(); },
    };
  }();
  return form;
}

}  // namespace bv::compras
