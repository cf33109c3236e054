#include "shell/system_images.h"

#include <QDir>
#include <QFileInfo>
#include <QEvent>
#include <QHash>
#include <QPainter>
#include <QWidget>

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

// Paints the image on the window's paint events, before the window's own
// painting (a plain widget paints nothing of its own; its children follow).
class BackgroundPainter : public QObject {
 public:
  BackgroundPainter(QPixmap image, QWidget& window) : QObject(&window), image_(std::move(image)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      auto* window = static_cast<QWidget*>(watched);
      QPainter painter(window);
      painter.drawPixmap(window->rect(), image_);
    }
    return false;
  }

 private:
  const QPixmap image_;
};

}  // namespace

QString systemImagePath(const QString& name) {
  // A leading "~" names an image linked into the program: the same image.
  const QString file = name.startsWith(u'~') ? name.mid(1) : name;
  return imagesByBaseName().value(QFileInfo(file).completeBaseName().toLower());
}

QIcon systemIcon(const QString& name) {
  const QString path = systemImagePath(name);
  return path.isEmpty() ? QIcon() : QIcon(path);
}

QPixmap systemPixmap(const QString& name) {
  const QString path = systemImagePath(name);
  return path.isEmpty() ? QPixmap() : QPixmap(path);
}

void showBackgroundImage(QWidget& window, const QString& name) {
  QPixmap image = systemPixmap(name);
  if (image.isNull()) return;
  window.installEventFilter(new BackgroundPainter(std::move(image), window));
}

}  // namespace bv
