#include "exchange/update_archive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace bv {

using namespace Qt::StringLiterals;

namespace {

// An archive of every data file takes a while; a run that has not ended after
// this long is taken as hung.
constexpr int kCommandTimeoutMs = 30 * 60 * 1000;

ArchiveCommand command(const QString& pattern) {
  return {u"pkzip"_s, {u"-add=update"_s, kUpdateArchive, pattern}};
}

}  // namespace

QString ArchiveCommand::text() const { return (QStringList{program} + arguments).join(u' '); }

std::vector<ArchiveCommand> archiveCommands(const QString& programDirectory) {
#ifdef Q_OS_WIN
  Q_UNUSED(programDirectory);
  return {command(u"*.TPS"_s), command(u"*.dll"_s), command(u"bravent.exe"_s)};
#else
  const QDir program(programDirectory);
  const QString libraries = QFileInfo::exists(program.filePath(u"../lib"_s))
                                ? QDir::cleanPath(program.filePath(u"../lib"_s))
                                : program.path();
  return {command(u"*.TPS"_s), command(QDir(libraries).filePath(u"*.so"_s)),
          command(program.filePath(u"bravent"_s))};
#endif
}

QString findArchiver() {
  const QString beside =
      QStandardPaths::findExecutable(u"pkzip"_s, {QCoreApplication::applicationDirPath()});
  return beside.isEmpty() ? QStandardPaths::findExecutable(u"pkzip"_s) : beside;
}

ArchiveRun runArchiveCommands(const std::vector<ArchiveCommand>& commands,
                              const QString& workingDirectory, const QString& archiver) {
  const QString program = archiver.isEmpty() ? findArchiver() : archiver;
  for (const ArchiveCommand& c : commands) {
    if (program.isEmpty()) return {false, c.text(), u"no se encontró el programa %1"_s.arg(c.program)};
    QProcess run;
    run.setWorkingDirectory(workingDirectory);
    run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    run.setStandardOutputFile(QProcess::nullDevice());
    run.start(program, c.arguments);
    if (!run.waitForStarted()) return {false, c.text(), u"no se pudo ejecutar"_s};
    if (!run.waitForFinished(kCommandTimeoutMs)) {
      run.kill();
      run.waitForFinished();
      return {false, c.text(), u"no terminó"_s};
    }
    if (run.exitStatus() != QProcess::NormalExit)
      return {false, c.text(), u"terminó en forma anormal"_s};
    if (run.exitCode() != 0)
      return {false, c.text(), u"terminó con el código %1"_s.arg(run.exitCode())};
  }
  return {};
}

QString archiveFailureText(const ArchiveRun& run) {
  return u"No se pudo crear la actualización|El comando \"%1\" %2.|La versión del sistema no cambió."_s.arg(
      run.failedCommand, run.reason);
}

}  // namespace bv
