#include "shell/system_images.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

// The resources of a static library are registered by hand, at global scope.
static void registerShellResources() { Q_INIT_RESOURCE(shell); }

namespace bv {
namespace {

const QHash<QString, QString>& imagesByBaseName() {
  static const QHash<QString, QString> images = [] {
    registerShellResources();
    QHash<QString, QString> byName;
    const QDir dir(QStringLiteral(":/shell"));
    for (const QString& file : dir.entryList(QDir::Files))
      byName.insert(QFileInfo(file).completeBaseName().toLower(), dir.filePath(file));
    return byName;
  }();
  return images;
}

}  // namespace

QString systemImagePath(const QString& name) {
  return imagesByBaseName().value(QFileInfo(name).completeBaseName().toLower());
}

QIcon systemIcon(const QString& name) {
  const QString path = systemImagePath(name);
  return path.isEmpty() ? QIcon() : QIcon(path);
}

QPixmap systemPixmap(const QString& name) {
  const QString path = systemImagePath(name);
  return path.isEmpty() ? QPixmap() : QPixmap(path);
}

}  // namespace bv
