#pragma once
// The foot of a printing window: "Imprimir" (the default button, "?Imprimir")
// and the button that closes the window ("Cancelar" or "Salir", named
// "?Cancelar" or "?Salir"), right-aligned.
#include <QString>
#include <functional>

class QHBoxLayout;
class QWidget;

namespace bv {

// The closing button ends the window's child window frame and all: closing
// only the window would leave the frame standing empty.
QHBoxLayout* printButtons(QWidget& window, const QString& closeText, std::function<void()> print);

}  // namespace bv
