// bravent: the colour-formula and costing program. Its working directory is its
// data directory; it takes no options.
#include "runtime/platform.h"
#include "shell/program.h"
#include "storage/errors/error_manager.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  auto platform = bv::Platform::native();
  return bv::runProgram(*platform, [&](bv::Program&) {
    bv::ErrorManager::instance().setProcedureName(QStringLiteral("Principal"));
    QMainWindow frame;
    frame.setObjectName(QStringLiteral("Principal"));
    frame.setWindowTitle(QStringLiteral("Vantora - Sistema de Colores"));
    frame.resize(800, 600);
    frame.show();
    app.exec();
    bv::ErrorManager::instance().removeProcedureName(QStringLiteral("Principal"));
  });
}
