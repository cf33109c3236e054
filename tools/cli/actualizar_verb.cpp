// actualizar: the update archive and the raise of the system version, as
// "Actualizar" of the window "Versión del Sistema" does them.
#include "exchange/version_update.h"
#include "storage/managers/file_managers.h"
#include "tools/cli/data_session.h"
#include "tools/cli/exchange_verbs.h"
#include "tools/cli/record_writing.h"

namespace bv::cli {
namespace {

int versionUpdate(VerbCall& call) {
  if (!call.arguments.isEmpty()) return call.usageError(QStringLiteral("actualizar no lleva argumentos"));
  DataSession session(call.dataDirectory);
  FileManager& versiones = session.files()[QStringLiteral("Versiones")];
  if (const int level = versiones.open(); level != kLevelBenign) return exitStatusFor(versiones, level);
  const bool change = readFirstVersion(versiones);
  if (!change) versiones.buffer().clear();
  int status = kExitDone;
  if (!archiveAndRaise(versiones, call.dataDirectory)) {
    status = kExitFailure;
  } else if (const int level = change ? versiones.update() : versiones.insert(); level != kLevelBenign) {
    status = exitStatusFor(versiones, level);
  } else {
    call.out << versiones.buffer().decimal("VER:VERSION").toQString(0) << '\n';
  }
  versiones.close();
  return status;
}

}  // namespace

Verb versionUpdateVerb() {
  return {
      .name = QStringLiteral("actualizar"),
      .synopsis = QString(),
      .summary = QStringLiteral("crea el archivo de actualización y sube la versión del sistema"),
      .help = QStringLiteral(
          "Agrega al archivo \"Actualizacion_Vantora_System.zip\" del directorio de datos los\n"
          "archivos de datos, las bibliotecas y el programa, con pkzip (tres corridas, en ese\n"
          "orden). Sólo si las tres terminan bien sube en uno la versión del sistema\n"
          "(Versiones) con la fecha de hoy y la escribe en la salida. Si una falla, dice cuál\n"
          "y la versión no cambia (estado 3).\n"
          "\n"
          "Ejemplo: bravent-cli -d datos actualizar"),
      .run = versionUpdate,
  };
}

}  // namespace bv::cli
