// Telling a workbook file's format by its first bytes.
#include <QFile>

#include "runtime/automation/workbook_files.h"

namespace bv {

std::optional<Workbook> readWorkbookFile(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = QStringLiteral("no se puede abrir el archivo");
    return std::nullopt;
  }
  const QByteArray magic = file.read(8);
  file.close();
  if (magic.startsWith("PK")) return readXlsxFile(path, error);
  if (magic.startsWith("\xD0\xCF\x11\xE0")) return readXlsFile(path, error);
  if (error) *error = QStringLiteral("el archivo no es un libro");
  return std::nullopt;
}

}  // namespace bv
