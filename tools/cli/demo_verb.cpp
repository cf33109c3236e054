// demo: fills an empty data directory with the demo data set.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>

#include "tools/cli/data_session.h"
#include "tools/cli/demo_data.h"
#include "tools/cli/table_verbs.h"

namespace bv::cli {
namespace {

// A folder beside the target, made like any folder (a temporary folder would be
// private to its owner, which other stations' users could not open once it is
// the data folder), removed on leaving unless released.
class StagingFolder {
 public:
  explicit StagingFolder(const QFileInfo& target) {
    const QDir parent(target.absolutePath());
    for (int n = 0; n < 100 && path_.isEmpty(); ++n) {
      const QString name = QStringLiteral(".%1.demo-%2-%3").arg(target.fileName()).arg(QCoreApplication::applicationPid()).arg(n);
      if (parent.mkdir(name)) path_ = parent.filePath(name);
    }
  }
  ~StagingFolder() {
    if (!path_.isEmpty()) QDir(path_).removeRecursively();
  }
  StagingFolder(const StagingFolder&) = delete;
  StagingFolder& operator=(const StagingFolder&) = delete;
  bool isValid() const { return !path_.isEmpty(); }
  QString path() const { return path_; }
  void release() { path_.clear(); }

 private:
  QString path_;
};

// Moves the data files of the finished set from `staging` into `target`; on a
// failure the files moved so far go back, so `target` never holds half a set.
bool moveDataFiles(const QString& staging, const QString& target) {
  const QDir from(staging), to(target);
  QStringList moved;
  for (const QString& name : from.entryList(QDir::Files | QDir::Hidden)) {
    if (!name.endsWith(QStringLiteral(".tps"), Qt::CaseInsensitive)) continue;
    if (!QFile::rename(from.filePath(name), to.filePath(name))) {
      for (const QString& back : moved) QFile::rename(to.filePath(back), from.filePath(back));
      return false;
    }
    moved << name;
  }
  return true;
}

int writeDemo(VerbCall& call) {
  if (!call.arguments.isEmpty()) return call.usageError(QStringLiteral("demo no lleva argumentos"));
  const QString target = QDir::cleanPath(call.dataDirectory);
  const QFileInfo targetInfo(target);
  auto cannotCreate = [&] {
    call.message(QStringLiteral("Error de Acceso"), QStringLiteral("No se pudo crear la carpeta de datos %1").arg(target));
    return kExitFailure;
  };
  if (!QDir().mkpath(targetInfo.absolutePath())) return cannotCreate();
  if (holdsDataFiles(target)) {
    call.message(QStringLiteral("Datos de Demostración"),
                 QStringLiteral("La carpeta %1 ya contiene archivos de datos|Los datos de demostración sólo se "
                                "escriben en una carpeta sin ellos.")
                     .arg(call.dataDirectory));
    return kExitRefused;
  }
  // The set is made in a folder of its own beside the target and moved in only
  // when whole: a failure half-way (a full disk) leaves the target as it was.
  StagingFolder staging(targetInfo);
  if (!staging.isValid()) return cannotCreate();
  int status = kExitDone;
  {
    DataSession session(staging.path());
    status = writeDemoData(session, Clock::today());
  }
  if (status != kExitDone) return status;
  if (!QFileInfo::exists(target)) {
    if (QDir().rename(staging.path(), target)) {
      staging.release();
      // Lock files of the staging folder's own session are no data.
      for (const QString& lock : QDir(target).entryList({QStringLiteral("*.lck")}, QDir::Files | QDir::Hidden))
        QFile::remove(QDir(target).filePath(lock));
      return kExitDone;
    }
    if (!QDir().mkpath(target)) return cannotCreate();
  }
  if (!moveDataFiles(staging.path(), target)) {
    call.message(QStringLiteral("Error de Acceso"),
                 QStringLiteral("No se pudieron mover los datos de demostración a la carpeta %1").arg(target));
    return kExitFailure;
  }
  return kExitDone;
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
