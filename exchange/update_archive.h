#pragma once
// The update archive "Actualizacion_Vantora_System": the archiver (pkzip) is
// run three times from the data directory, each run awaited and its exit
// status checked, to add the data files, then the program's libraries, then
// the program itself:
//
//   pkzip -add=update Actualizacion_Vantora_System *.TPS
//   pkzip -add=update Actualizacion_Vantora_System <libraries>
//   pkzip -add=update Actualizacion_Vantora_System <program>
//
// On Windows the libraries are "*.dll" and the program "bravent.exe" beside
// the data; elsewhere they are named where the program is installed (its
// "lib" folder's shared objects, its own file). The archiver is found beside
// the running program first, then on the PATH.
#include <QString>
#include <QStringList>
#include <vector>

namespace bv {

inline const QString kUpdateArchive = QStringLiteral("Actualizacion_Vantora_System");

struct ArchiveCommand {
  QString program;        // "pkzip"
  QStringList arguments;  // "-add=update", archive, pattern
  // The command line as it is shown: "pkzip -add=update ... *.TPS".
  QString text() const;
};

// The three commands, in the order they run, for a program in `programDirectory`.
std::vector<ArchiveCommand> archiveCommands(const QString& programDirectory);

struct ArchiveRun {
  bool done = true;
  QString failedCommand;  // the command line that failed
  QString reason;         // why: "no se encontró el programa", "terminó con el código 2"
};

// Runs the commands one after the other in `workingDirectory`, waiting for
// each; stops at the first that cannot start or ends with a non-zero status.
// `archiver` is the archiver's file ("pkzip" found as said above when empty).
ArchiveRun runArchiveCommands(const std::vector<ArchiveCommand>& commands,
                              const QString& workingDirectory, const QString& archiver = {});

// The archiver's file: beside the running program, else on the PATH; empty
// when there is none.
QString findArchiver();

// The message text of a failed run.
QString archiveFailureText(const ArchiveRun& run);

}  // namespace bv
