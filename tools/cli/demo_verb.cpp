// demo: fills an empty data directory with the demo data set.
#include <QDir>

#include "tools/cli/data_session.h"
#include "tools/cli/demo_data.h"
#include "tools/cli/table_verbs.h"

namespace bv::cli {
namespace {

int writeDemo(VerbCall& call) {
  if (!call.arguments.isEmpty()) return call.usageError(QStringLiteral("demo no lleva argumentos"));
  if (!QDir().mkpath(call.dataDirectory)) {
    call.message(QStringLiteral("Error de Acceso"),
                 QStringLiteral("No se pudo crear la carpeta de datos %1").arg(call.dataDirectory));
    return kExitFailure;
  }
  if (holdsDataFiles(call.dataDirectory)) {
    call.message(QStringLiteral("Datos de Demostración"),
                 QStringLiteral("La carpeta %1 ya contiene archivos de datos|Los datos de demostración sólo se "
                                "escriben en una carpeta sin ellos.")
                     .arg(call.dataDirectory));
    return kExitRefused;
  }
  DataSession session(call.dataDirectory);
  return writeDemoData(session, Clock::today());
}

}  // namespace

Verb demoVerb() {
  return {
      .name = QStringLiteral("demo"),
      .synopsis = QString(),
      .summary = QStringLiteral("llena la carpeta de datos con los datos de demostración"),
      .help = QStringLiteral(
          "Escribe en la carpeta de datos (creándola si no existe) los datos de demostración de\n"
          "un fabricante de pinturas: líneas con sus bonificaciones y márgenes, productos\n"
          "básicos en dólares y en pesos, productos terminados con sus fórmulas (algunas con\n"
          "relación de mezcla y componente B), relaciones de 1, 4 y 20 litros, la cotización\n"
          "del dólar de los últimos 30 días, clientes, compras, producciones (dos marcadas para\n"
          "etiquetas), los parámetros generales y la versión del sistema. Las fechas se toman\n"
          "a partir de hoy.\n"
          "\n"
          "Se niega (estado 1) cuando la carpeta ya contiene archivos de datos (*.tps)."),
      .run = writeDemo,
      .makesDirectory = true,
  };
}

}  // namespace bv::cli
