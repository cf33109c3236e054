#include "storage/filelayer/pg_file_layer.h"

#include "storage/filelayer/pg_connection.h"
#include "storage/filelayer/pg_keyed_file.h"

namespace bv::sqlfile {

PgFileLayer::PgFileLayer(const FileLayerOptions& options, const QString& connection)
    : connection_(std::make_shared<PgConnection>(connection, options)) {}

PgFileLayer::~PgFileLayer() = default;

QString PgFileLayer::dataDirectory() const { return connection_->options().dataDirectory; }

QString PgFileLayer::stationDirectory() const { return connection_->options().stationDirectory; }

void PgFileLayer::setStationDirectory(const QString& directory) {
  connection_->setStationDirectory(directory.isEmpty() ? dataDirectory() : directory);
  if (station_) station_->setStationDirectory(stationDirectory());
}

FileLayer& PgFileLayer::stationFiles() {
  if (!station_) {
    FileLayerOptions o = connection_->options();
    o.dataDirectory = o.stationDirectory;
    station_ = createSqlite(o);
  }
  return *station_;
}

std::unique_ptr<KeyedFile> PgFileLayer::file(const TableDef& table) {
  if (table.physical().perStation) return stationFiles().file(table);
  return std::make_unique<PgKeyedFile>(connection_, table);
}

int PgFileLayer::beginTransaction(int waitSeconds) {
  if (connection_->inTransaction()) return connection_->begin(waitSeconds);
  if (station_) {
    if (const int code = station_->beginTransaction(waitSeconds); code != kFileOk) return code;
  }
  const int code = connection_->begin(waitSeconds);
  if (code != kFileOk && station_) {
    const RuntimeError error = currentRuntimeError();
    station_->rollback();
    setRuntimeError(error);
  }
  return code;
}

QString PgFileLayer::blockingFile() const {
  const QString own = connection_->failedPath();
  return own.isEmpty() && station_ ? station_->blockingFile() : own;
}

// The server's part first: when it fails, the station's part is undone too.
int PgFileLayer::commit() {
  const bool running = connection_->inTransaction();
  const int code = connection_->commit();
  if (!station_) return code;
  if (code != kFileOk && running) {
    const RuntimeError error = currentRuntimeError();
    station_->rollback();
    setRuntimeError(error);
    return code;
  }
  const RuntimeError error = currentRuntimeError();
  station_->commit();
  setRuntimeError(error);
  return code;
}

RuntimeError PgFileLayer::commitWarning() const { return connection_->commitWarning(); }

int PgFileLayer::rollback() {
  const int code = connection_->rollback();
  if (station_) station_->rollback();
  return code;
}

bool PgFileLayer::inTransaction() const { return connection_->inTransaction(); }

}  // namespace bv::sqlfile
