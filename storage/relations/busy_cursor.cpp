#include "storage/relations/busy_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace bv {

BusyCursor::BusyCursor() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
  shown_ = true;
}

BusyCursor::~BusyCursor() { restore(); }

void BusyCursor::restore() {
  if (!shown_) return;
  shown_ = false;
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace bv
