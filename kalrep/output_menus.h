#pragma once
// The windows in which the user picks an output: the three output-type windows
// of INIT ("Seleccione el Tipo de Salida") and the export-type window of a file
// output's RUN ("Seleccione el Tipo de Exportación"). Each is a list of radio
// choices (label with its access key, description, export-type code, icon).
#include <QList>
#include <QString>

#include "kalrep/kal_types.h"

namespace bv {

struct OutputOption {
  QString label;        // "&CSV" ("&" marks the access key)
  QString description;  // "Archivo de Texto delimitado"; empty in the export-type window
  kal::Byte code = 0;
  QString icon;  // the image's name ("EXP_CSV.ico")
};

struct OutputMenu {
  QString choiceId;  // the name under which the question is answered without a screen
  QString title;
  QList<OutputOption> options;
  kal::Byte preselected = 0;  // the code whose choice is selected first
};

// The output-type window for a Choice: "files only" for 12, "with text
// outputs" above 100 (preselecting Choice minus 100, 14 as 10), otherwise the
// general one preselecting Choice.
OutputMenu outputTypeMenu(int choice);
// The export-type window of RUN; CSV is preselected.
OutputMenu exportTypeMenu();

// Names of the questions when there is no screen.
inline constexpr char kOutputTypeChoice[] = "tipo-salida";
inline constexpr char kExportTypeChoice[] = "tipo-exportacion";
inline constexpr char kFileNameChoice[] = "archivo-salida";

}  // namespace bv
