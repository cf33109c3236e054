#include "production/produccion/produccion_windows.h"

#include "masterdata/clientes/clientes_windows.h"
#include "masterdata/linea/linea_windows.h"
#include "masterdata/terminado/terminado_windows.h"
#include "production/formulas/formulas_windows.h"
#include "production/produccion/order_entry.h"
#include "production/produccion/produccion_behaviour.h"
#include "shell/globals.h"
#include "shell/request_codes.h"
#include "storage/managers/file_managers.h"

namespace bv::produccion {

using namespace Qt::StringLiterals;

namespace {

// An entry whose value must exist in another table, with its lookup button.
FormField lookupEntry(const QString& prompt, const QString& field, const QString& picture, const QString& key,
                      const QString& code, std::function<const ListDeclaration&()> list) {
  FormField f = FormField::entry(prompt, field, picture);
  f.lookup = FormLookup{.key = key, .field = code, .list = std::move(list)};
  return f;
}

FormField prompted(FormField f, const QString& prompt) {
  f.prompt = prompt;
  return f;
}

}  // namespace

const LineListDeclaration& producLines() {
  static const LineListDeclaration lines = [] {
    LineColumn grams = LineColumn::of(u"PRO2:CANTIDAD"_s, 70, u"Cantidad (gr)"_s, u"N17.1~ gr~"_s)
                           .editedAs(CellEditor::Numeric)
                           .aligned(ColumnAlign::Right)
                           .refusingZero();
    // A line whose basic product is gone from file says so.
    LineColumn description =
        LineColumn::computed(159, u"Descripción"_s, u"s50"_s, [](const Record& line, FileManagers& files) -> FieldValue {
          if (line.text("PRO2:CODIGO_BASICO").trimmed().isEmpty()) return QString();
          const Record& basic = files[u"Basicos"_s].buffer();
          if (basic.text("BAS:CODIGO").trimmed().isEmpty()) return OrderEntry::kMissingBasic;
          return basic.text("BAS:DESCRIPCION");
        });
    return LineListDeclaration{
        .table = u"Produc02"_s,
        .heading = u"Componentes Básicos de esta Producción"_s,
        .columns = {LineColumn::of(u"PRO2:CODIGO_BASICO"_s, 62, u"Código Básico"_s, u"s13"_s), description, grams,
                    LineColumn::of(u"PRO2:VOLUMEN"_s, 60, u"Volumen (lt)"_s, u"N14.3~ lt~"_s)
                        .aligned(ColumnAlign::Right)},
        .joins = {{u"Basicos"_s, u"BAS:KEYCOD"_s, {{u"PRO2:CODIGO_BASICO"_s, u"BAS:CODIGO"_s}}}},
    };
  }();
  return lines;
}

const ListDeclaration& browseProduccion() {
  static const ListDeclaration list = [] {
    ListColumn state;
    state.width = 24;
    state.header = u"Estado"_s;
    state.icon = [](const WindowFields& row) {
      const QString s = row.text(u"PRO1:ESTADO"_s).trimmed();
      if (s == u"P") return u"~Amarillo.ICO"_s;
      if (s == u"T") return u"~Rojo.ICO"_s;
      return QString();
    };
    return ListDeclaration{
        .procedure = u"BrowseProduccion"_s,
        .caption = u"Pantalla de Producciones Realizadas"_s,
        // An order whose customer or product is gone stays in the list with those columns blank.
        .view = {.table = u"Produc01"_s,
                 .joins = {{u"Clientes"_s, u"CLI:KEYCOD"_s, {{u"PRO1:CLIENTE"_s, u"CLI:CODIGO"_s}}},
                           {u"Terminado"_s, u"TER:KEYCOD"_s, {{u"PRO1:CODIGO_TERMINADO"_s, u"TER:CODIGO"_s}}}}},
        .orders =
            {
                {u"Por Producto Terminado"_s, u"PRO1:KEYTER"_s,
                 ListLocator::positioning(u"&Código Producto:"_s, u"PRO1:CODIGO_TERMINADO"_s, u"s13"_s)},
                {u"Por Fecha"_s, u"PRO1:KEYFEC"_s},
                {u"Por Cliente"_s, u"PRO1:KEYCLI"_s},
                {u"Por Codigo Interno"_s, u"PRO1:KEYCOD"_s},
            },
        .columns =
            {
                state,
                ListColumn::of(u"PRO1:CODIGO"_s, 40, u"Codigo"_s, u"n010"_s).aligned(ColumnAlign::Right),
                ListColumn::of(u"PRO1:FECHA"_s, 40, u"Fecha"_s, u"D6"_s).aligned(ColumnAlign::Right),
                ListColumn::of(u"PRO1:CLIENTE"_s, 24, u"Cliente"_s, u"n05"_s).aligned(ColumnAlign::Right),
                ListColumn::of(u"CLI:NOMBRE"_s, 110, u"Nombre del cliente"_s, u"s30"_s),
                ListColumn::of(u"PRO1:CODIGO_TERMINADO"_s, 57, u"Codigo Terminado"_s, u"s13"_s),
                ListColumn::of(u"TER:DESCRIPCION"_s, 150, u"Descripcion Producto Terminado"_s, u"s50"_s),
                ListColumn::of(u"PRO1:CANTIDAD"_s, 44, u"Cantidad"_s, u"n10.4"_s).aligned(ColumnAlign::Right),
                ListColumn::of(u"PRO1:PESO_ESPECIFICO"_s, 36, u"Peso Especifico"_s, u"n7.4"_s)
                    .aligned(ColumnAlign::Right),
                ListColumn::of(u"PRO1:COSTO_DE_PRODUCCION"_s, 50, u"Costo de Produccion"_s, u"n10.2"_s)
                    .aligned(ColumnAlign::Right),
            },
        .buttons = {.queryText = u"&Filtrar"_s, .insertText = u"&Nueva Producción"_s},
        .form = updateProduc01,
    };
  }();
  return list;
}

const FormDeclaration& updateProduc01() {
  static const FormDeclaration form = [] {
    FormField quantity = FormField::entry(u"&Cantidad a producir:"_s, u"PRO1:CANTIDAD"_s, u"n10.1"_s);
    quantity.after = u"Litros"_s;
    FormField margin = FormField::entry(u"Margen Utilidad:"_s, u"LIN:MARGEN"_s, u"n6.2"_s).beside();
    margin.after = u"%"_s;
    FormField state = FormField::entry(u"&Estado"_s, u"PRO1:ESTADO"_s);
    state.control = FormControl::Option;
    state.choices = {{u"En Produccion"_s, u"P"_s}, {u"Terminado"_s, u"T"_s}};
    // The number is the file's: shown, never typed.
    FormTab tab{u"Producción"_s,
                {
                    prompted(FormField::display(u"PRO1:CODIGO"_s, u"n010"_s), u"&Codigo:"_s),
                    FormField::entry(u"&Fecha:"_s, u"PRO1:FECHA"_s, u"D6"_s).beside(),
                    lookupEntry(u"&Cliente:"_s, u"PRO1:CLIENTE"_s, u"n05"_s, u"CLI:KEYCOD"_s, u"CLI:CODIGO"_s,
                                clientes::browseClientes),
                    FormField::display(u"CLI:NOMBRE"_s, u"s30"_s).beside(),
                    lookupEntry(u"Código de línea:"_s, u"PRO1:LINEA"_s, u"n03"_s, u"LIN:KEYCOD"_s, u"LIN:CODIGO"_s,
                                linea::browseLinea),
                    FormField::display(u"LIN:DESCRIPCION"_s, u"s30"_s).beside(),
                    lookupEntry(u"&Código Producto:"_s, u"PRO1:CODIGO_TERMINADO"_s, u"s13"_s, u"TER:KEYCOD"_s,
                                u"TER:CODIGO"_s, browseTerminadoXLinea),
                    FormField::display(u"TER:DESCRIPCION"_s, u"s50"_s).beside(),
                    quantity,
                    prompted(FormField::display(u"PRO1:PESO_ESPECIFICO"_s, u"n7.4"_s), u"&Peso Especifico:"_s).beside(),
                    lookupEntry(u"&Componente B:"_s, u"PRO1:COMPONENTE_B"_s, u"s13"_s, u"A_BAS:KEYCOD"_s,
                                u"A_BAS:CODIGO"_s, formulas::browseA_Basicos),
                    FormField::display(u"A_BAS:DESCRIPCION"_s, u"s50"_s).beside(),
                    FormField::display(u"LOC:TEXTOB"_s, u"s80"_s),
                    prompted(FormField::display(u"LOC:COSTOBASICO"_s, u"n-12.2"_s), u"Costo:"_s),
                    margin,
                    prompted(FormField::display(u"PRECIONETOVENTA"_s, u"n-12.2"_s), u"Precio Neto Venta:"_s),
                    prompted(FormField::display(u"PAR:ALICUOTA_DEL_IVA"_s, u"n6.2"_s), u"I.V.A.           %"_s).beside(),
                    FormField::display(u"LOC:IVA"_s, u"n-12.2"_s).beside(),
                    prompted(FormField::display(u"PRO1:COSTO_DE_PRODUCCION"_s, u"n-12.2"_s), u"&Precio de venta:"_s),
                    prompted(FormField::display(u"TOTAL"_s, u"n-14.2"_s), u"Total:"_s),
                    FormField::display(u"VOLTOT"_s, u"n-14.2"_s).beside(),
                    state,
                },
                producLines()};
    QStringList opens{u"Clientes"_s, u"Produc02"_s};
    opens += OrderEntry::tables();
    return FormDeclaration{
        .procedure = u"UpdateProduc01"_s,
        .caption = u"Ficha de Produccion"_s,
        .table = u"Produc01"_s,
        .tabs = {tab},
        .opens = opens,
        .enterAsTab = true,
        .okText = u"&Grabar"_s,
        .cancelText = u"&Salir"_s,
        .titles = {{kViewRecord, u"Ver registro"_s},
                   {kInsertRecord, u"P R O D U C C I Ó N"_s},
                   {kChangeRecord, u"Editando..."_s}},
        .buttons = {{u"Recargar la formula original"_s, QString::fromLatin1(kReloadButton), {}},
                    {u"Calcular"_s, QString::fromLatin1(kCalculateButton), {}},
                    {u"Calcular el peso específico"_s, QString::fromLatin1(kWeightButton), {}}},
        .behaviour = [] { return std::make_unique<ProduccionFormBehaviour>(); },
    };
  }();
  return form;
}

const ListDeclaration& browseTerminadoXLinea() {
  static const ListDeclaration list = [] {
    const auto code = [](const QString& field, const QString& group) {
      return ListColumn::of(field, 20, u"Cod"_s, u"n3"_s).aligned(ColumnAlign::Right).inGroup(group);
    };
    const auto description = [](const QString& field, const QString& group) {
      return ListColumn::of(field, 90, u"Descripcion"_s, u"s30"_s).inGroup(group);
    };
    return ListDeclaration{
        .procedure = u"BrowseTerminadoXLinea"_s,
        .caption = u"Tabla de Productos Terminados"_s,
        // Only the products of the order's line: every order is filtered by
        // it, and the order by line also starts and stops at it.
        .view = {.table = u"Terminado"_s,
                 .joins = {{u"Marca"_s, u"MAR:KEYCOD"_s, {{u"TER:MARCA"_s, u"MAR:CODIGO"_s}}},
                           {u"Linea"_s, u"LIN:KEYCOD"_s, {{u"TER:LINEA"_s, u"LIN:CODIGO"_s}}},
                           {u"Carta"_s, u"CAR:KEYCOD"_s, {{u"TER:CARTA"_s, u"CAR:CODIGO"_s}}}},
                 .filter = u"(TER:Linea=Glo:Linea)"_s,
                 .range = ListRange{u"TER:LINEA"_s, [] { return FieldValue(glo().Linea); }}},
        .orders =
            {
                {u"Por Descripcion"_s, u"TER:KEYDES"_s,
                 ListLocator::positioning(u"&Descripcion:"_s, u"TER:DESCRIPCION"_s, u"s50"_s)},
                {u"Por Codigo"_s, u"TER:KEYCOD"_s, ListLocator::positioning(u"&Codigo:"_s, u"TER:CODIGO"_s, u"s13"_s)},
                {u"Por Linea"_s, u"TER:KEYLIN"_s},
                {u"Por Carta"_s, u"TER:KEYCAR"_s,
                 ListLocator::positioning(u"&Código de Carta:"_s, u"TER:CARTA"_s, u"n3"_s)},
                {u"Por Marca"_s, u"TER:KEYMAR"_s, ListLocator::positioning(u"&Marca:"_s, u"TER:MARCA"_s, u"n3"_s)},
            },
        .columns =
            {
                ListColumn::of(u"TER:CODIGO"_s, 52, u"Codigo"_s, u"s13"_s),
                ListColumn::of(u"TER:DESCRIPCION"_s, 200, u"Descripcion"_s, u"s50"_s),
                code(u"TER:LINEA"_s, u"Linea"_s),
                description(u"LIN:DESCRIPCION"_s, u"Linea"_s),
                code(u"TER:CARTA"_s, u"Carta"_s),
                description(u"CAR:DESCRIPCION"_s, u"Carta"_s),
                code(u"TER:MARCA"_s, u"Marca"_s),
                description(u"MAR:DESCRIPCION"_s, u"Marca"_s),
            },
        .bound = {{u"Glo:Linea"_s, true, [](const WindowFields&) { return FieldValue(glo().Linea); }}},
        .form = terminado::updateTerminado,
        .needsCaller = true,
    };
  }();
  return list;
}

}  // namespace bv::produccion
