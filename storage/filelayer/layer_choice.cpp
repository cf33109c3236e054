// Where a data directory keeps its tables: on a database server when its
// "bravent.INI" names one, else in its own files.
#include <QDir>
#include <QFile>

#include "runtime/cp1252.h"
#include "storage/filelayer/layer_choice.h"
#include "storage/filelayer/file_name_resolver.h"
#include "storage/filelayer/pg_file_layer.h"
#include "storage/settings/ini_document.h"

namespace bv {

using namespace Qt::StringLiterals;

QString serverConnection(const QString& dataDirectory) {
  QFile file(sqlfile::resolveFileName(dataDirectory, u"bravent.INI"_s));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const IniDocument ini = IniDocument::parse(cp1252::decode(file.readAll()));
  return ini.value(u"Servidor"_s, u"Conexion"_s).value_or(QString()).trimmed();
}

std::shared_ptr<FileLayer> createServerLayer(const FileLayerOptions& options, const QString& connection) {
  FileLayerOptions o = options;
  o.dataDirectory = QDir(o.dataDirectory).absolutePath();
  if (!o.stationDirectory.isEmpty()) o.stationDirectory = QDir(o.stationDirectory).absolutePath();
  return std::make_shared<sqlfile::PgFileLayer>(o, connection);
}

std::shared_ptr<FileLayer> createLayer(const FileLayerOptions& options) {
  const QString connection = serverConnection(options.dataDirectory);
  return connection.isEmpty() ? FileLayer::createSqlite(options) : createServerLayer(options, connection);
}

}  // namespace bv
