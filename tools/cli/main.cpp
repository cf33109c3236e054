// bravent-cli: runs the system's procedures without a screen, on a data
// directory (see --help).
#include <QApplication>
#include <QTextStream>
#include <cstdio>

#include "runtime/halt.h"
#include "tools/cli/cli_runner.h"
#include "tools/cli/exit_status.h"

namespace {

// Standard error carries the procedure's messages, one line each: the
// framework's own notes (a missing runtime directory, font fallbacks) stay off
// it, and only what ends the program is still written.
void keepFrameworkNotesQuiet(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(keepFrameworkNotesQuiet);
  // Printed output and the windows whose procedures the verbs drive need a
  // screen of some kind; without a display they get the off-screen one.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // A fatal message ends the run as a failure.
  bv::setHaltExitStatus(bv::cli::kExitFailure);
  QTextStream out(stdout);
  QTextStream err(stderr);
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  return bv::cli::runCli(arguments, out, err);
}
