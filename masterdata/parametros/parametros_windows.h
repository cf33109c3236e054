#pragma once
// The single record of general parameters (Paramet) and its two forms: the
// general-parameters form "Parametros Generales" (Parametros) and the taxes
// form "Impuestos" (Impuestos), both started from the menu after the frame set
// Glo:AccionParametros. Each opens on the file's one record to change it, or to
// add it when the file is empty; on OK the switch PAR:MODIFICAFORMULAS becomes
// Glo:ModificaFormulas, so the windows opened afterwards follow it.
#include "runtime/decimal.h"
#include "shell/form/form_declaration.h"
#include "shell/procedure_registry.h"

#include <QString>
#include <functional>

namespace bv {
class RelationManagers;
}

namespace bv::parametros {

const FormDeclaration& parametros();
const FormDeclaration& impuestos();

// The request a form opens with. "A" asks for insert and anything else for
// change, but the file has the last word: a record that is already there is
// changed (never a second one added), and an empty file can only be added to.
int parametersRequest(const QString& accionParametros, bool parametHasRecord);

// The title: the form's heading for the request followed by "  (Nuevo)" when
// adding, by the VAT rate in brackets when changing ("Editando Impuestos
// Generales  (21)").
QString parametersTitle(const QString& heading, int request, const Decimal& vat);

// The VAT rate as a plain number: no trailing zeros after the point ("21",
// "10.5").
QString plainNumber(const Decimal& value);

// The window of one of the two forms as a menu procedure: reads the first
// Paramet record, decides the request from Glo:AccionParametros and the file,
// and opens the form on it.
WindowFactory parametersWindow(std::function<const FormDeclaration&()> declaration, RelationManagers& relations);

}  // namespace bv::parametros
