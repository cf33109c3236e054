#include "kalrep/screen.h"

#include <QApplication>

namespace bv {

bool hasScreen() {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return false;
  const QString platform = QGuiApplication::platformName();
  return platform != QLatin1StringView("offscreen") && platform != QLatin1StringView("minimal");
}

QIcon kalIcon(const QString& name) {
  QString base = name;
  if (base.endsWith(QLatin1StringView(".ico"), Qt::CaseInsensitive)) base.chop(4);
  return QIcon(QStringLiteral(":/kalrep/") + base + QStringLiteral(".png"));
}

}  // namespace bv
