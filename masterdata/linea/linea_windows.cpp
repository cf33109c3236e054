#include "masterdata/linea/linea_windows.h"

#include "masterdata/modifica_formulas.h"
#include "shell/browse/list_window.h"
#include "shell/form/form_window.h"

#include <QLabel>

namespace bv::linea {

using namespace Qt::StringLiterals;

namespace {

// Where the catalogue may not be changed, lines are neither added nor
// deleted; a line can still be changed, but only its discounts and margin.
class LineaListBehaviour : public ListBehaviour {
 public:
  void opening(ListWindow& list) override {
    if (catalogueChangesAllowed()) return;
    list.withhold(ListAction::Insert);
    list.withhold(ListAction::Delete);
  }
};

class LineaFormBehaviour : public FormBehaviour {
 public:
  void opened(FormWindow& form) override {
    if (catalogueChangesAllowed()) return;
    for (const QString& field : {u"LIN:CODIGO"_s, u"LIN:DESCRIPCION"_s})
      if (FieldControl* c = form.control(field)) c->widget()->setEnabled(false);
    if (FieldControl* code = form.control(u"LIN:CODIGO"_s); code && code->prompt) code->prompt->hide();
    // The focus leaves the disabled entries for the first discount.
    form.focusField(u"LIN:BONI1"_s);
  }
};

ListColumn centredHeader(ListColumn column) {
  column.headerAlign = ColumnAlign::Centre;
  return column;
}

}  // namespace

const ListDeclaration& browseLinea() {
  static const ListDeclaration list{
      .procedure = u"BrowseLinea"_s,
      .caption = u"Tabla de Líneas de Colores"_s,
      .view = {.table = u"Linea"_s},
      .orders =
          {
              {u"Por Descripción"_s, u"LIN:KEYDES"_s,
               ListLocator::positioning(u"&Descripción:"_s, u"LIN:DESCRIPCION"_s, u"s30"_s)},
              {u"Por Código"_s, u"LIN:KEYCOD"_s, ListLocator::positioning(u"&Codigo:"_s, u"LIN:CODIGO"_s, u"n3"_s)},
          },
      .columns =
          {
              ListColumn::of(u"LIN:CODIGO"_s, 27, u"Código"_s, u"n3"_s).aligned(ColumnAlign::Right),
              ListColumn::of(u"LIN:DESCRIPCION"_s, 126, u"Descripción"_s, u"s30"_s),
              centredHeader(ListColumn::of(u"LIN:BONI1"_s, 32, u"Boni 1"_s, u"n-7.2"_s)),
              centredHeader(ListColumn::of(u"LIN:BONI2"_s, 32, u"Boni 2"_s, u"n-7.2"_s)),
              centredHeader(ListColumn::of(u"LIN:BONI3"_s, 32, u"Boni 3"_s, u"n-7.2"_s)),
              ListColumn::of(u"LIN:MARGEN"_s, 28, u"Margen de Utilidad"_s, u"n-7.2"_s),
          },
      .form = updateLinea,
      .behaviour = [] { return std::make_unique<LineaListBehaviour>(); },
  };
  return list;
}

const FormDeclaration& updateLinea() {
  static const FormDeclaration form{
      .procedure = u"UpdateLinea"_s,
      .caption = u"Update Linea File"_s,
      .table = u"Linea"_s,
      .tabs = {{u"General"_s,
                {
                    FormField::entry(u"&Código:"_s, u"LIN:CODIGO"_s, u"n3"_s).withHistory(),
                    FormField::entry(u"&Descripción:"_s, u"LIN:DESCRIPCION"_s, u"s30"_s).withHistory(),
                    FormField::entry(u"Bonificación 1:"_s, u"LIN:BONI1"_s, u"n-7.2"_s).withHistory(),
                    FormField::entry(u"Bonificación 2:"_s, u"LIN:BONI2"_s, u"n-7.2"_s).withHistory(),
                    FormField::entry(u"Bonificación 3:"_s, u"LIN:BONI3"_s, u"n-7.2"_s).withHistory(),
                    FormField::entry(u"Margen de Utilidad:"_s, u"LIN:MARGEN"_s, u"n-7.2"_s).withHistory(),
                }}},
      .behaviour = [] { return std::make_unique<LineaFormBehaviour>(); },
  };
  return form;
}

}  // namespace bv::linea
