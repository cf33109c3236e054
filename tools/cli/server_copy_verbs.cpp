// copia-a-servidor, copia-de-servidor: a data directory's tables from its files
// to the database server its "bravent.INI" names, and from there into the data
// files of another directory.
#include <QDir>

#include "storage/filelayer/layer_choice.h"
#include "storage/filelayer/table_copy.h"
#include "tools/cli/demo_data.h"
#include "tools/cli/table_verbs.h"

namespace bv::cli {

using namespace Qt::StringLiterals;
namespace {

QString failureText(const TableDef& table) {
  const RuntimeError e = currentRuntimeError();
  QString text = u"No se pudo copiar la tabla %1: %2"_s.arg(table.fileName, e.text);
  if (!e.fileText.isEmpty()) text += u" (%1)"_s.arg(e.fileText);
  return text;
}

// Every table in its own transaction, after checking that no target holds records.
int copyAll(VerbCall& call, FileLayer& from, FileLayer& to, const QString& whereTo) {
  TableCopy copy(from, to);
  const TableDef* occupied = nullptr;
  if (copy.findOccupied(occupied) != kFileOk) {
    const RuntimeError e = currentRuntimeError();
    call.message(u"Error de Acceso"_s,
                 u"No se pudo leer %1: %2 %3"_s.arg(whereTo, e.text, e.fileText).trimmed());
    return kExitFailure;
  }
  if (occupied) {
    call.message(u"Copia de Datos"_s,
                 u"%1 ya contiene registros de la tabla %2|La copia sólo se hace sobre tablas vacías."_s
                     .arg(whereTo, occupied->fileName));
    return kExitRefused;
  }
  for (const TableDef* t : TableCopy::dataTables()) {
    qint64 copied = 0;
    if (copy.copy(*t, copied) != kFileOk) {
      call.message(u"Error de Acceso"_s, failureText(*t));
      return kExitFailure;
    }
  }
  return kExitDone;
}

int refuseWithoutServer(VerbCall& call) {
  call.message(u"Copia de Datos"_s,
               QStringLiteral("El archivo bravent.INI de %1 no nombra un servidor|Falta la entrada Conexion= de la "
                              "sección [Servidor].")
                   .arg(call.dataDirectory));
  return kExitRefused;
}

int copyToServer(VerbCall& call) {
  if (!call.arguments.isEmpty()) return call.usageError(u"copia-a-servidor no lleva argumentos"_s);
  const QString connection = serverConnection(call.dataDirectory);
  if (connection.isEmpty()) return refuseWithoutServer(call);
  const FileLayerOptions options{call.dataDirectory, call.dataDirectory};
  auto files = FileLayer::createSqlite(options);
  auto server = createServerLayer(options, connection);
  return copyAll(call, *files, *server, u"El servidor"_s);
}

int copyFromServer(VerbCall& call) {
  if (call.arguments.size() != 1)
    return call.usageError(u"copia-de-servidor lleva la carpeta de destino"_s);
  const QString connection = serverConnection(call.dataDirectory);
  if (connection.isEmpty()) return refuseWithoutServer(call);
  const QString target = QDir(call.dataDirectory).absoluteFilePath(call.arguments.front());
  if (holdsDataFiles(target)) {
    call.message(u"Copia de Datos"_s,
                 QStringLiteral("La carpeta %1 ya contiene archivos de datos|La copia sólo se escribe en una "
                                "carpeta sin ellos.")
                     .arg(call.arguments.front()));
    return kExitRefused;
  }
  if (!QDir().mkpath(target)) {
    call.message(u"Error de Acceso"_s, u"No se pudo crear la carpeta %1"_s.arg(target));
    return kExitFailure;
  }
  auto server = createServerLayer({call.dataDirectory, call.dataDirectory}, connection);
  auto files = FileLayer::createSqlite({target, target});
  return copyAll(call, *server, *files, u"La carpeta %1"_s.arg(call.arguments.front()));
}

}  // namespace

Verb copyToServerVerb() {
  return {
      .name = u"copia-a-servidor"_s,
      .synopsis = QString(),
      .summary = u"copia las tablas de la carpeta al servidor que nombra su bravent.INI"_s,
      .help = QStringLiteral(
          "Copia los registros de cada tabla de los archivos de la carpeta de datos al servidor\n"
          "que nombra la entrada Conexion= de la sección [Servidor] de su bravent.INI, una\n"
          "transacción por tabla. Se niega (estado 1) cuando el servidor ya tiene registros de\n"
          "alguna tabla."),
      .run = copyToServer,
  };
}

Verb copyFromServerVerb() {
  return {
      .name = u"copia-de-servidor"_s,
      .synopsis = u"DESTINO"_s,
      .summary = u"copia las tablas del servidor a los archivos de otra carpeta"_s,
      .help = QStringLiteral(
          "Copia los registros de cada tabla del servidor que nombra el bravent.INI de la\n"
          "carpeta de datos a archivos de datos de la carpeta DESTINO (creándola si no existe).\n"
          "Se niega (estado 1) cuando DESTINO ya contiene archivos de datos (*.tps)."),
      .run = copyFromServer,
  };
}

}  // namespace bv::cli
