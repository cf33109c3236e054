#include "exchange/directory_archive.h"

#include <QDir>
#include <QTemporaryDir>
#include <optional>

#include "storage/filelayer/layer_choice.h"
#include "storage/filelayer/table_copy.h"

using namespace Qt::StringLiterals;

namespace bv {
namespace {

// Copies every data table of the server into `folder` as files; answers the
// label of the table that failed, or nothing.
std::optional<QString> copyTablesOut(const QString& dataDirectory, const QString& connection, const QString& folder) {
  FileLayerOptions serverOptions;
  serverOptions.dataDirectory = dataDirectory;
  const std::shared_ptr<FileLayer> server = createServerLayer(serverOptions, connection);
  FileLayerOptions fileOptions;
  fileOptions.dataDirectory = folder;
  fileOptions.stationDirectory = folder;
  const std::shared_ptr<FileLayer> files = FileLayer::createSqlite(fileOptions);
  TableCopy copy(*server, *files);
  for (const TableDef* table : TableCopy::dataTables()) {
    qint64 copied = 0;
    if (copy.copy(*table, copied) != kFileOk) return table->label;
  }
  return std::nullopt;
}

}  // namespace

ArchiveRun archiveDirectory(const QString& dataDirectory, const QString& programDirectory, const QString& archiver) {
  std::vector<ArchiveCommand> commands = archiveCommands(programDirectory);
  const QString connection = serverConnection(dataDirectory);
  if (connection.isEmpty()) return runArchiveCommands(commands, dataDirectory, archiver);

  QTemporaryDir copies;
  ArchiveCommand data = commands.front();
  if (!copies.isValid()) return {false, data.text(), u"no pudo preparar la copia de las tablas"_s};
  if (const std::optional<QString> failed = copyTablesOut(dataDirectory, connection, copies.path()))
    return {false, data.text(), u"no pudo copiar la tabla %1 del servidor"_s.arg(*failed)};
  // The copies are archived from their folder into the directory's archive.
  data.arguments[1] = QDir(dataDirectory).absoluteFilePath(kUpdateArchive);
  if (ArchiveRun run = runArchiveCommands({data}, copies.path(), archiver); !run.done) return run;
  return runArchiveCommands({commands.begin() + 1, commands.end()}, dataDirectory, archiver);
}

}  // namespace bv
