#pragma once
// Lists and forms the framework tests run: brands (positioning, begins-with
// and contains locators) and finished products whose brand entry looks the
// brand up.
#include "shell/browse/list_declaration.h"
#include "shell/form/form_declaration.h"

namespace bv::test {

inline const FormDeclaration& brandForm() {
  static const FormDeclaration form{
      .procedure = QStringLiteral("TestUpdateMarca"),
      .caption = QStringLiteral("Update Marca File"),
      .table = QStringLiteral("Marca"),
      .tabs = {{QStringLiteral("General"),
                {FormField::entry(QStringLiteral("&Codigo:"), QStringLiteral("MAR:CODIGO"), QStringLiteral("n3")).withHistory(),
                 FormField::entry(QStringLiteral("&Descripcion:"), QStringLiteral("MAR:DESCRIPCION"), QStringLiteral("s50"))
                     .withHistory()}}},
  };
  return form;
}

inline ListDeclaration brandListWith(LocatorKind kind, const QString& procedure) {
  return ListDeclaration{
      .procedure = procedure,
      .caption = QStringLiteral("Tabla de Marcas"),
      .view = {.table = QStringLiteral("Marca")},
      .orders = {{QStringLiteral("Por Descripcion"), QStringLiteral("MAR:KEYDES"),
                  {kind, QStringLiteral("&Descripcion:"), QStringLiteral("MAR:DESCRIPCION"), QStringLiteral("s50")}},
                 {QStringLiteral("Por Codigo"), QStringLiteral("MAR:KEYCOD"),
                  ListLocator::positioning(QStringLiteral("&Codigo:"), QStringLiteral("MAR:CODIGO"), QStringLiteral("n3"))}},
      .columns = {ListColumn::of(QStringLiteral("MAR:CODIGO"), 24, QStringLiteral("Codigo"), QStringLiteral("n3")),
                  ListColumn::of(QStringLiteral("MAR:DESCRIPCION"), 80, QStringLiteral("Descripcion"), QStringLiteral("s50"))},
      .form = brandForm,
  };
}

inline const ListDeclaration& brandList() {
  static const ListDeclaration list = brandListWith(LocatorKind::Positioning, QStringLiteral("TestBrowseMarca"));
  return list;
}

inline const FormDeclaration& productForm() {
  static const FormDeclaration form = [] {
    FormField brand = FormField::entry(QStringLiteral("&Marca:"), QStringLiteral("TER:MARCA"), QStringLiteral("n3"));
    brand.history = true;
    brand.lookup = FormLookup{.key = QStringLiteral("MAR:KEYCOD"), .field = QStringLiteral("MAR:CODIGO"), .list = brandList};
    return FormDeclaration{
        .procedure = QStringLiteral("TestUpdateTerminado"),
        .caption = QStringLiteral("Update Terminado File"),
        .table = QStringLiteral("Terminado"),
        .tabs = {{QStringLiteral("General"),
                  {FormField::entry(QStringLiteral("&Codigo:"), QStringLiteral("TER:CODIGO"), QStringLiteral("s13")),
                   brand, FormField::display(QStringLiteral("MAR:DESCRIPCION"), QStringLiteral("s50")).beside()}}},
        .opens = {QStringLiteral("Marca")},
    };
  }();
  return form;
}

inline const ListDeclaration& productList() {
  static const ListDeclaration list{
      .procedure = QStringLiteral("TestBrowseTerminado"),
      .caption = QStringLiteral("Tabla de Productos Terminados"),
      .view = {.table = QStringLiteral("Terminado"),
               .joins = {{QStringLiteral("Marca"), QStringLiteral("MAR:KEYCOD"),
                          {{QStringLiteral("TER:MARCA"), QStringLiteral("MAR:CODIGO")}}}}},
      .orders = {{QStringLiteral("Por Código"), QStringLiteral("TER:KEYCOD"),
                  ListLocator::positioning(QStringLiteral("&Codigo:"), QStringLiteral("TER:CODIGO"), QStringLiteral("s13"))}},
      .columns = {ListColumn::of(QStringLiteral("TER:CODIGO"), 52, QStringLiteral("Código"), QStringLiteral("s13")),
                  ListColumn::of(QStringLiteral("MAR:DESCRIPCION"), 80, QStringLiteral("Marca"), QStringLiteral("s50"))},
      .form = productForm,
  };
  return list;
}

}  // namespace bv::test
