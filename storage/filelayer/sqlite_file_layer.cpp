#include "storage/filelayer/sqlite_file_layer.h"

#include <QDir>
#include <QHash>
#include <mutex>

#include "storage/filelayer/layer_choice.h"
#include "storage/filelayer/sqlite_connection.h"
#include "storage/filelayer/sqlite_keyed_file.h"

namespace bv {
namespace sqlfile {

SqliteFileLayer::SqliteFileLayer(const FileLayerOptions& options)
    : connection_(std::make_shared<SqliteConnection>(options)) {}

SqliteFileLayer::~SqliteFileLayer() = default;

QString SqliteFileLayer::dataDirectory() const { return connection_->options().dataDirectory; }

QString SqliteFileLayer::stationDirectory() const { return connection_->options().stationDirectory; }

void SqliteFileLayer::setStationDirectory(const QString& directory) {
  connection_->setStationDirectory(directory.isEmpty() ? dataDirectory() : directory);
}

std::unique_ptr<KeyedFile> SqliteFileLayer::file(const TableDef& table) {
  return std::make_unique<SqliteKeyedFile>(connection_, table);
}

int SqliteFileLayer::beginTransaction(int waitSeconds) { return connection_->begin(waitSeconds); }

QString SqliteFileLayer::blockingFile() const { return connection_->failedPath(); }

int SqliteFileLayer::commit() { return connection_->commit(); }

RuntimeError SqliteFileLayer::commitWarning() const { return connection_->commitWarning(); }

int SqliteFileLayer::rollback() { return connection_->rollback(); }

bool SqliteFileLayer::inTransaction() const { return connection_->inTransaction(); }

}  // namespace sqlfile

std::shared_ptr<FileLayer> FileLayer::createSqlite(const FileLayerOptions& options) {
  FileLayerOptions o = options;
  o.dataDirectory = QDir(o.dataDirectory).absolutePath();
  if (!o.stationDirectory.isEmpty()) o.stationDirectory = QDir(o.stationDirectory).absolutePath();
  return std::make_shared<sqlfile::SqliteFileLayer>(o);
}

std::shared_ptr<FileLayer> FileLayer::forDirectory(const QString& dataDirectory, const QString& stationDirectory) {
  // The one process-wide layer of each data directory, kept while anyone holds it.
  static std::mutex mutex;
  static QHash<QString, std::weak_ptr<FileLayer>> layers;
  const QString key = QDir(dataDirectory).absolutePath();
  std::lock_guard lock(mutex);
  if (auto existing = layers.value(key).lock()) return existing;
  FileLayerOptions options;
  options.dataDirectory = key;
  options.stationDirectory = stationDirectory;
  auto made = createLayer(options);
  layers.insert(key, made);
  return made;
}

}  // namespace bv
