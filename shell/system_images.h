#pragma once
// The images the system names ("wizIns.ico", "Bravent.ico", "yelmosobrerojo.jpg"),
// drawn for this program and kept as resources under shell/resources/. They are
// found by their base name without regard to letter case, whatever extension
// the system gives them ("wizins.ico" is "wizIns.ico").
#include <QIcon>
#include <QPixmap>
#include <QString>

class QWidget;

namespace bv {

// The resource path of a system image, or an empty text when there is none.
QString systemImagePath(const QString& name);
// The image; a null icon or pixmap when there is none.
QIcon systemIcon(const QString& name);
QPixmap systemPixmap(const QString& name);

// A window's background image: drawn stretched over the window, behind its
// controls, for as long as the window lives. Nothing when there is no such image.
void showBackgroundImage(QWidget& window, const QString& name);

}  // namespace bv
