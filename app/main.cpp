#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow w;
  w.setWindowTitle(QStringLiteral("Vantora - Sistema de Colores"));
  w.show();
  return app.exec(), 0;
}
