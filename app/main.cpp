// bravent: the colour-formula and costing program. Its working directory is its
// data directory; it takes no options.
#include "app/run_frame.h"
#include "runtime/platform.h"
#include "shell/program.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  auto platform = bv::Platform::native();
  return bv::runProgram(*platform, bv::runFrame);
}
