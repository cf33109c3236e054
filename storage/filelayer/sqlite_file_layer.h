#pragma once
// The SQLite implementation of FileLayer: one connection per layer (see
// sqlite_connection.h), one database file per table.
#include <memory>

#include "storage/filelayer/file_layer.h"

namespace bv::sqlfile {

class SqliteConnection;

class SqliteFileLayer final : public FileLayer {
 public:
  explicit SqliteFileLayer(const FileLayerOptions& options);
  ~SqliteFileLayer() override;

  QString dataDirectory() const override;
  QString stationDirectory() const override;
  void setStationDirectory(const QString& directory) override;
  std::unique_ptr<KeyedFile> file(const TableDef& table) override;
  int beginTransaction(int waitSeconds) override;
  QString blockingFile() const override;
  int commit() override;
  RuntimeError commitWarning() const override;
  int rollback() override;
  bool inTransaction() const override;

 private:
  std::shared_ptr<SqliteConnection> connection_;
};

}  // namespace bv::sqlfile
