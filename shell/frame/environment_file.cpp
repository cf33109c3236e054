#include "shell/frame/environment_file.h"

#include "runtime/cp1252.h"

#include <QDir>
#include <QFile>

namespace bv {
namespace {

QString findInWorkingDirectory(const QString& fileName) {
  const QDir dir = QDir::current();
  if (dir.exists(fileName)) return dir.filePath(fileName);
  for (const QString& entry : dir.entryList(QDir::Files))
    if (entry.compare(fileName, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
  return {};
}

}  // namespace

bool EnvironmentFile::load(const QString& fileName) {
  const QString path = findInWorkingDirectory(fileName);
  if (path.isEmpty()) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  values_.clear();
  // The file comes from Windows stations: Windows-1252 text.
  for (const QByteArray& raw : file.readAll().split('\n')) {
    const QString line = cp1252::decode(raw).trimmed();
    const qsizetype eq = line.indexOf(u'=');
    if (eq <= 0 || line.startsWith(u';')) continue;
    values_.insert(line.left(eq).trimmed().toUpper(), line.mid(eq + 1).trimmed());
  }
  return true;
}

}  // namespace bv
