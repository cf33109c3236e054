#include "masterdata/clientes/clientes_windows.h"

#include "masterdata/localidad/localidad_windows.h"
#include "masterdata/related_record.h"
#include "masterdata/tipocli/tipocli_windows.h"
#include "shell/browse/list_window.h"
#include "shell/form/form_window.h"
#include "storage/managers/file_managers.h"

#include <QPushButton>

namespace bv::clientes {

using namespace Qt::StringLiterals;

namespace {

// The list never shows "&Agregar", but its insert request stays: the Insert
// key, the popup's "&Nuevo" and the frame toolbar's insert button still add a
// customer. Customers' codes are typed, not numbered, and no other window of
// the system adds one, so withdrawing the request with the button would leave
// no way to add a customer at all (not even from the production form, whose
// customer lookup opens this list to select).
class ClientesListBehaviour : public ListBehaviour {
 public:
  void opening(ListWindow& list) override {
    if (QPushButton* insert = list.button(ListAction::Insert)) insert->hide();
  }
};

// The locality and the customer type named by the codes on screen, read again
// at every refresh so that their descriptions follow the codes.
class ClientesFormBehaviour : public FormBehaviour {
 public:
  void refreshing(FormWindow& form, bool finalPass) override {
    if (finalPass) return;
    const Record& customer = form.primary().buffer();
    readByCode(form.fields().table(u"Localidad"_s), u"LOC:KEYCOD"_s, u"LOC:CODIGO"_s,
               customer.value(u"CLI:LOCALIDAD"_s));
    readByCode(form.fields().table(u"TipoCli"_s), u"TIP:KEYCOD"_s, u"TIP:CODIGO"_s,
               customer.value(u"CLI:TIPO_DE_CLIENTE"_s));
  }
};

ListColumn number(const QString& field, int width, const QString& header, const QString& picture) {
  return ListColumn::of(field, width, header, picture).aligned(ColumnAlign::Right);
}

// An entry whose code must name a record of another table: a code not on
// file opens that table's list to select; zero is not looked up.
FormField lookupEntry(const QString& prompt, const QString& field, const QString& key, const QString& otherField,
                      std::function<const ListDeclaration&()> list) {
  FormField f = FormField::entry(prompt, field, u"n3"_s).withHistory();
  f.lookup = FormLookup{.key = key, .field = otherField, .list = std::move(list)};
  return f;
}

}  // namespace

const ListDeclaration& browseClientes() {
  static const ListDeclaration list{
      .procedure = u"BrowseClientes"_s,
      .caption = u"Tabla de Clientes"_s,
      // Customers without a type (or of a type no longer on file) stay in the list.
      .view = {.table = u"Clientes"_s,
               .joins = {{u"TipoCli"_s, u"TIP:KEYCOD"_s, {{u"CLI:TIPO_DE_CLIENTE"_s, u"TIP:CODIGO"_s}}}}},
      .orders =
          {
              {u"Por Nombre de Cliente"_s, u"CLI:KEYNOM"_s,
               ListLocator::positioning(u"&Nombre:"_s, u"CLI:NOMBRE"_s, u"s30"_s)},
              {u"Por Nombre del Contacto"_s, u"CLI:KEYCON"_s,
               ListLocator::positioning(u"&Contacto:"_s, u"CLI:CONTACTO"_s, u"s50"_s)},
              {u"Por tipo de cliente"_s, u"CLI:KEYTIP"_s,
               ListLocator::positioning(u"&Tipo de cliente:"_s, u"CLI:TIPO_DE_CLIENTE"_s, u"n3"_s)},
              {u"Por Localidad"_s, u"CLI:KEYLOC"_s,
               ListLocator::positioning(u"&Localidad:"_s, u"CLI:LOCALIDAD"_s, u"n3"_s)},
              {u"Por Codigo"_s, u"CLI:KEYCOD"_s, ListLocator::positioning(u"&Codigo:"_s, u"CLI:CODIGO"_s, u"n05"_s)},
          },
      // The code and the name stay in view while the list scrolls sideways.
      .columns =
          {
              number(u"CLI:CODIGO"_s, 24, u"Codigo"_s, u"n05"_s).pin(),
              ListColumn::of(u"CLI:NOMBRE"_s, 126, u"Nombre"_s, u"s30"_s).pin(),
              ListColumn::of(u"CLI:DIRECCION"_s, 126, u"Direccion"_s, u"s30"_s),
              ListColumn::of(u"CLI:CONTACTO"_s, 160, u"Contacto"_s, u"s50"_s),
              ListColumn::of(u"CLI:TELEFONOS"_s, 127, u"Telefonos"_s, u"s30"_s),
              ListColumn::of(u"CLI:E_MAIL"_s, 126, u"E Mail"_s, u"s30"_s),
              ListColumn::of(u"CLI:CODIGO_POSTAL"_s, 37, u"Cod. Pos."_s, u"s8"_s),
              number(u"CLI:LOCALIDAD"_s, 36, u"Localidad"_s, u"n3"_s),
              ListColumn::of(u"CLI:WEB"_s, 80, u"Web"_s, u"s30"_s),
              number(u"CLI:TIPO_DE_CLIENTE"_s, 60, u"Codigo"_s, u"n3"_s).inGroup(u"Tipo de cliente"_s),
              ListColumn::of(u"TIP:DESCRIPCION"_s, 200, u"Descripcion"_s, u"s50"_s).inGroup(u"Tipo de cliente"_s),
          },
      .form = updateClientes,
      .behaviour = [] { return std::make_unique<ClientesListBehaviour>(); },
  };
  return list;
}

const FormDeclaration& updateClientes() {
  static const FormDeclaration form = [] {
    FormField sheet = FormField::entry(u"&Ficha tecnica:"_s, u"CLI:FICHA_TECNICA"_s).withHistory();
    sheet.control = FormControl::Text;
    return FormDeclaration{
        .procedure = u"UpdateClientes"_s,
        .caption = u"Update Clientes File"_s,
        .table = u"Clientes"_s,
        .tabs = {{u"General"_s,
                  {
                      FormField::entry(u"&Codigo:"_s, u"CLI:CODIGO"_s, u"n05"_s).withHistory(),
                      FormField::entry(u"&Nombre:"_s, u"CLI:NOMBRE"_s, u"s30"_s).withHistory(),
                      FormField::entry(u"&Direccion:"_s, u"CLI:DIRECCION"_s, u"s30"_s).withHistory(),
                      lookupEntry(u"&Localidad:"_s, u"CLI:LOCALIDAD"_s, u"LOC:KEYCOD"_s, u"LOC:CODIGO"_s,
                                  localidad::browseLocalidad),
                      FormField::display(u"LOC:DESCRIPCION"_s, u"s30"_s).beside(),
                      FormField::entry(u"&Codigo postal:"_s, u"CLI:CODIGO_POSTAL"_s, u"s8"_s).withHistory(),
                      FormField::entry(u"&Telefonos:"_s, u"CLI:TELEFONOS"_s, u"s30"_s).withHistory(),
                      FormField::entry(u"&Contacto:"_s, u"CLI:CONTACTO"_s, u"s50"_s).withHistory(),
                      FormField::entry(u"&E Mail:"_s, u"CLI:E_MAIL"_s, u"s30"_s).withHistory(),
                      FormField::entry(u"&Web:"_s, u"CLI:WEB"_s, u"s30"_s).withHistory(),
                      lookupEntry(u"&Tipo de cliente:"_s, u"CLI:TIPO_DE_CLIENTE"_s, u"TIP:KEYCOD"_s, u"TIP:CODIGO"_s,
                                  tipocli::browseTipoCli),
                      FormField::display(u"TIP:DESCRIPCION"_s, u"s50"_s).beside(),
                      sheet,
                  }}},
        // The locality and the type are read for their descriptions only: never written here.
        .opens = {u"Localidad"_s, u"TipoCli"_s},
        .behaviour = [] { return std::make_unique<ClientesFormBehaviour>(); },
    };
  }();
  return form;
}

}  // namespace bv::clientes
