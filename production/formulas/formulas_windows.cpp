#include "production/formulas/formulas_windows.h"

#include "masterdata/basicos/basicos_windows.h"
#include "masterdata/modifica_formulas.h"
#include "masterdata/terminado/terminado_windows.h"
#include "production/formulas/formulas_behaviour.h"

namespace bv::formulas {

using namespace Qt::StringLiterals;

namespace {

// A code entry looked up in its table, with the description shown beside it.
FormField codeEntry(const QString& prompt, const QString& field, const QString& key, const QString& code,
                    std::function<const ListDeclaration&()> list) {
  FormField f = FormField::entry(prompt, field, u"s13"_s).withHistory();
  f.lookup = FormLookup{.key = key, .field = code, .list = std::move(list)};
  return f;
}

// The formula's components: edited in place, the code looked up among the
// basic products, the volume left to "Calcular Peso Específico".
LineListDeclaration componentLines() {
  LineColumn code =
      LineColumn::of(u"FOR2:CODIGO_BASICO"_s, 62, u"Código básico"_s, u"s13"_s).editedAs(CellEditor::Text);
  code.lookup = FormLookup{.key = u"BAS:KEYCOD"_s, .field = u"BAS:CODIGO"_s, .list = basicos::browseBasicos};
  return LineListDeclaration{
      .table = u"Formula2"_s,
      .heading = u"Componentes de la formula (Parte A)"_s,
      .columns = {code, LineColumn::of(u"BAS:DESCRIPCION"_s, 159, u"Descripción"_s, u"s50"_s),
                  LineColumn::of(u"BAS:PESO_ESPECIFICO"_s, 0, u"Peso especifico"_s, u"n7.4"_s),
                  LineColumn::of(u"FOR2:CANTIDAD"_s, 45, u"Cantidad"_s, u"n10.4"_s)
                      .editedAs(CellEditor::Numeric)
                      .aligned(ColumnAlign::Right),
                  LineColumn::of(u"FOR2:VOLUMEN"_s, 45, u"Volumen"_s, u"n-10.2"_s).aligned(ColumnAlign::Right)},
      .joins = {{u"Basicos"_s, u"BAS:KEYCOD"_s, {{u"FOR2:CODIGO_BASICO"_s, u"BAS:CODIGO"_s}}}},
  };
}

}  // namespace

const ListDeclaration& browseFormulas() {
  static const ListDeclaration list = [] {
    ListColumn fixed;
    fixed.width = 11;
    fixed.header = u"M"_s;
    // Formulas made on the form (not modifiable without the switch) are marked.
    fixed.icon = [](const WindowFields& row) {
      return row.text(u"FOR1:MODIFICABLE"_s).trimmed().toUpper() == u"N" ? u"~bravent.ico"_s : QString();
    };
    return ListDeclaration{
        .procedure = u"BrowseFormulas"_s,
        .caption = u"Formulas de Producción de Pinturas"_s,
        .view = {.table = u"Formula1"_s,
                 .joins = {{u"Terminado"_s, u"TER:KEYCOD"_s, {{u"FOR1:CODIGO_TERMINADO"_s, u"TER:CODIGO"_s}}}}},
        .orders =
            {
                {u"Por Codigo del Producto Terminado"_s, u"FOR1:KEYTER"_s,
                 ListLocator::positioning(u"&Código Terminado:"_s, u"FOR1:CODIGO_TERMINADO"_s, u"s13"_s)},
                {u"Por Observaciones"_s, u"FOR1:KEYOBS"_s,
                 ListLocator::positioning(u"&Observaciones:"_s, u"FOR1:OBSERVACIONES"_s, u"s50"_s)},
                {u"Por Codigo de la Formula"_s, u"FOR1:KEYCOD"_s,
                 ListLocator::positioning(u"&Código formula:"_s, u"FOR1:CODIGO_FORMULA"_s, u"n10"_s)},
            },
        .columns =
            {
                fixed,
                ListColumn::of(u"FOR1:CODIGO_FORMULA"_s, 44, u"Código formula"_s, u"n10"_s).aligned(ColumnAlign::Right),
                ListColumn::of(u"FOR1:CODIGO_TERMINADO"_s, 57, u"Código Terminado"_s, u"s13"_s),
                ListColumn::of(u"TER:DESCRIPCION"_s, 159, u"Descripción"_s, u"s50"_s),
                ListColumn::of(u"FOR1:OBSERVACIONES"_s, 120, u"Observaciones"_s, u"s50"_s),
                ListColumn::of(u"FOR1:CANTIDAD"_s, 36, u"Cantidad"_s, u"n7.3"_s).aligned(ColumnAlign::Right),
                ListColumn::of(u"FOR1:PESO_ESPECIFICO"_s, 36, u"Peso especifico"_s, u"n7.4"_s)
                    .aligned(ColumnAlign::Right),
                ListColumn::of(u"FOR1:REL1"_s, 36, u"Rel 1"_s, u"n-9.2"_s).aligned(ColumnAlign::Right),
                ListColumn::of(u"FOR1:REL2"_s, 36, u"Rel 2"_s, u"n-9.2"_s).aligned(ColumnAlign::Right),
            },
        .extras = {{.text = u"Calculo del costo de la formula"_s,
                    .name = u"?CostoFormula"_s,
                    .act = costCurrentFormula}},
        .form = updateFormula,
        .behaviour = [] { return std::make_unique<ReadOnlyWithoutSwitch>(); },
    };
  }();
  return list;
}

const FormDeclaration& updateFormula() {
  static const FormDeclaration form = [] {
    FormField number = FormField::entry(u"&Código formula:"_s, u"FOR1:CODIGO_FORMULA"_s, u"n10"_s);
    number.readOnly = true;  // numbered by the file
    FormField weight = FormField::display(u"FOR1:PESO_ESPECIFICO"_s, u"n7.4"_s);
    weight.prompt = u"&Peso especifico:"_s;
    FormField updated = FormField::display(u"FOR1:FECHA"_s, u"d6"_s);
    updated.prompt = u"Ultima Actualización:"_s;
    FormField ratioB = FormField::entry({}, u"FOR1:REL2"_s, u"n5.0b"_s).withHistory();
    ratioB.prompt.clear();
    ratioB.sameRow = true;
    FormField total = FormField::display(u"TOTAL"_s, u"n10.4"_s);
    total.prompt = u"Total:"_s;
    FormField volume = FormField::display(u"VOLTOT"_s, u"n-14.2"_s);
    volume.sameRow = true;
    FormTab tab{u"Formula de Producción"_s,
                {
                    number,
                    FormField::entry(u"Observaciones:"_s, u"FOR1:OBSERVACIONES"_s, u"s50"_s).withHistory(),
                    codeEntry(u"&Código Terminado:"_s, u"FOR1:CODIGO_TERMINADO"_s, u"TER:KEYCOD"_s, u"TER:CODIGO"_s,
                              terminado::browseTerminado),
                    FormField::display(u"TER:DESCRIPCION"_s, u"s50"_s).beside(),
                    FormField::entry(u"&Cantidad a producir:"_s, u"FOR1:CANTIDAD"_s, u"n10.3"_s).withHistory(),
                    weight,
                    updated,
                    FormField::entry(u"&Relación de mezcla:"_s, u"FOR1:REL1"_s, u"n5.0b"_s).withHistory(),
                    ratioB,
                    codeEntry(u"&Componente \"B\":"_s, u"FOR1:COMPONENTE_B"_s, u"A_BAS:KEYCOD"_s, u"A_BAS:CODIGO"_s,
                              browseA_Basicos),
                    FormField::display(u"A_BAS:DESCRIPCION"_s, u"s50"_s).beside(),
                    FormField::entry(u"Cantidad &B:"_s, u"FOR1:CANTIDADB"_s, u"n10.3"_s).withHistory(),
                    total,
                    volume,
                },
                componentLines()};
    return FormDeclaration{
        .procedure = u"UpdateFormula"_s,
        .caption = u"Update Formula1 File"_s,
        .table = u"Formula1"_s,
        .tabs = {tab},
        .opens = {u"Terminado"_s, u"A_Basicos"_s, u"Basicos"_s},
        .okText = u"&Guardar"_s,
        .cancelText = u"&Cancelar"_s,
        .buttons = {{u"Calcular Peso Específico"_s, QString::fromLatin1(kWeightButton), {}}},
        .behaviour = [] { return std::make_unique<FormulaFormBehaviour>(); },
    };
  }();
  return form;
}

const ListDeclaration& browseA_Basicos() {
  static const ListDeclaration list{
      .procedure = u"BrowseA_Basicos"_s,
      .caption = u"Busqueda de componentes \"B\""_s,
      .view = {.table = u"A_Basicos"_s},
      .orders =
          {
              {u"Por Descripcion"_s, u"A_BAS:KEYDES"_s,
               ListLocator::positioning(u"&Descripcion:"_s, u"A_BAS:DESCRIPCION"_s, u"s50"_s)},
              {u"Por Codigo"_s, u"A_BAS:KEYCOD"_s, ListLocator::positioning(u"&Codigo:"_s, u"A_BAS:CODIGO"_s, u"s13"_s)},
          },
      .columns = {ListColumn::of(u"A_BAS:CODIGO"_s, 57, u"Codigo"_s, u"s13"_s),
                  ListColumn::of(u"A_BAS:DESCRIPCION"_s, 159, u"Descripcion"_s, u"s50"_s)},
      .buttons = {.query = false,
                  .insert = false,
                  .change = false,
                  .remove = false,
                  .toolbox = false,
                  .selectText = u"E&legir"_s,
                  .closeText = u"Cerrar"_s},
  };
  return list;
}

}  // namespace bv::formulas
