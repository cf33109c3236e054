#include "storage/filelayer/file_name_resolver.h"

#include <QDir>
#include <QFileInfo>

namespace bv::sqlfile {

QString resolveFileName(const QString& directory, const QString& name) {
  const QDir dir(directory);
  const QString exact = dir.absoluteFilePath(name);
  if (QFileInfo(exact).isFile()) return exact;
  const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  for (const QString& entry : entries)
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.absoluteFilePath(entry);
  return exact;
}

}  // namespace bv::sqlfile
