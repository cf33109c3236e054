#pragma once
// The questions a file export asks: the output kind and the file name. On
// screen they are the library's windows and the save dialog; without a screen
// they go through the choices interface:
//   "tipo-salida", "tipo-exportacion"  the choice's label ("Excel", "&Html"),
//                                      its description or its code ("2"); an
//                                      empty answer takes the preselected one
//   "archivo-salida"                   the file name (empty or cancelled: none)
#include <QString>
#include <optional>

#include "kalrep/kal_types.h"
#include "kalrep/output_menus.h"

namespace bv {

// The code chosen, or kCancelled.
kal::Byte askOutput(const OutputMenu& menu);
// The code an answer names in the menu, or kCancelled when it names none.
kal::Byte codeOfAnswer(const OutputMenu& menu, const QString& answer);

// The file dialog "Seleccione el archivo" for an export type; nullopt when
// cancelled. The name is given back as chosen (see withDefaultExtension).
std::optional<QString> askFileName(kal::Byte exportType);
// The dialog's filter list for an export type, as pairs "description|pattern".
QString fileFilter(kal::Byte exportType);
// The name with the type's extension appended when it has none: a name whose
// fourth-last character is "." keeps its own; a workbook keeps a name ending in
// ".XLSX" or ".XLS" (any case) and otherwise gets ".XLSX".
QString withDefaultExtension(const QString& name, kal::Byte exportType);

}  // namespace bv
