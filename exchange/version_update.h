#pragma once
// "Crear Actualización": the window "Versión del Sistema" (Actualizar) on the
// one record of Versiones. "Actualizar" packs the update archive
// (update_archive.h) and, only when every archiver run succeeded, raises
// VER:VERSION by one and dates it today before the form writes the record; a
// failed run says which command failed and leaves the version as it was.
//
// Insert or change is told by the file, not by a global: an empty Versiones
// is added to ("Agregando..."), and its record, when there is one, is changed
// ("Nueva Versión del Sistema"), so the file never holds a second record.
#include <QString>

#include "runtime/date_time.h"
#include "runtime/decimal.h"
#include "shell/form/form_declaration.h"
#include "shell/procedure_registry.h"

namespace bv {

class FileManager;
class Record;
class RelationManagers;

// The next version: one more, dated `today`.
void raiseVersion(Record& version, Date today);

// The request the window opens with: change when Versiones has its record.
int versionRequest(bool versionesHasRecord);

// Reads the first record of Versiones in file order into its buffer (the
// table is open); false when the file has none.
bool readFirstVersion(FileManager& versiones);

// Runs the archiver for the data directory `workingDirectory` and raises the
// version in the buffer of Versiones; false (its message shown) when a run
// failed.
bool archiveAndRaise(FileManager& versiones, const QString& workingDirectory);

const FormDeclaration& versionForm();
WindowFactory versionWindow(RelationManagers& relations);

}  // namespace bv
