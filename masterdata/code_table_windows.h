#pragma once
// The windows of the tables that are a code and a description (brands,
// colour charts, customer types, localities): a list by description or by
// code with a positioning locator on each, and a form with both fields as
// history fields. Each table gives its names; what it adds (a background,
// the access switch) it sets on the declarations made here.
#include "shell/browse/list_declaration.h"
#include "shell/form/form_declaration.h"

namespace bv {

struct CodeTableNames {
  QString table;               // "Carta"
  QString prefix;              // "CAR"
  QString list;                // "BrowseCarta"
  QString listCaption;         // "Tabla de Cartas de Colores"
  QString form;                // "UpdateCarta"
  QString formCaption;         // "Update Carta File"
  QString descriptionPicture;  // "s50"
  QString background;          // none when empty
};

// `form` is the function that gives the form the list calls.
ListDeclaration codeTableList(const CodeTableNames& names, std::function<const FormDeclaration&()> form);
FormDeclaration codeTableForm(const CodeTableNames& names);

}  // namespace bv
