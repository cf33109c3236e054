// Where a data directory keeps its tables: on a database server when its
// "bravent.INI" names one, else in its own files.
#include <QDir>
#include <QFile>

#include "runtime/cp1252.h"
#include "storage/filelayer/file_layer.h"
#include "storage/filelayer/file_name_resolver.h"
#include "storage/filelayer/pg_file_layer.h"
#include "storage/settings/ini_document.h"

namespace bv {

QString FileLayer::serverConnection(const QString& dataDirectory) {
  QFile file(sqlfile::resolveFileName(dataDirectory, QStringLiteral("bravent.INI")));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const IniDocument ini = IniDocument::parse(cp1252::decode(file.readAll()));
  return ini.value(QStringLiteral("Servidor"), QStringLiteral("Conexion")).value_or(QString()).trimmed();
}

std::shared_ptr<FileLayer> FileLayer::createServer(const FileLayerOptions& options, const QString& connection) {
  FileLayerOptions o = options;
  o.dataDirectory = QDir(o.dataDirectory).absolutePath();
  if (!o.stationDirectory.isEmpty()) o.stationDirectory = QDir(o.stationDirectory).absolutePath();
  return std::make_shared<sqlfile::PgFileLayer>(o, connection);
}

std::shared_ptr<FileLayer> FileLayer::create(const FileLayerOptions& options) {
  const QString connection = serverConnection(options.dataDirectory);
  return connection.isEmpty() ? createSqlite(options) : createServer(options, connection);
}

}  // namespace bv
