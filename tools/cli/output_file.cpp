#include "tools/cli/output_file.h"

#include <QSaveFile>

namespace bv::cli {

int writeResult(const VerbCall& call, const QString& fileName, const QString& text) {
  if (fileName.isEmpty()) {
    call.out << text;
    call.out.flush();
    return kExitDone;
  }
  QSaveFile file(fileName);
  const QByteArray bytes = text.toUtf8();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    call.message(QStringLiteral("Error de Escritura"),
                 QStringLiteral("No se pudo escribir el archivo %1: %2").arg(fileName, file.errorString()));
    return kExitFailure;
  }
  return kExitDone;
}

}  // namespace bv::cli
