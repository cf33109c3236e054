#pragma once
// Whether the library's questions are asked on screen. Without a screen (the
// headless runner, tests, an application object on the offscreen platform) they
// go through the choices interface instead.
#include <QIcon>
#include <QString>

namespace bv {

bool hasScreen();

// One of the library's own images by the name the windows use ("EXP_CSV.ico").
QIcon kalIcon(const QString& name);

}  // namespace bv
