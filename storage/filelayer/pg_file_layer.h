#pragma once
// The implementation of FileLayer over a database server: one connection per
// layer (see pg_connection.h). Tables kept per station (the label work file)
// stay in the station's own files, through a file layer of their own, and take
// part in this layer's transactions.
#include <memory>

#include "storage/filelayer/file_layer.h"

namespace bv::sqlfile {

class PgConnection;

class PgFileLayer final : public FileLayer {
 public:
  PgFileLayer(const FileLayerOptions& options, const QString& connection);
  ~PgFileLayer() override;

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
  FileLayer& stationFiles();

  std::shared_ptr<PgConnection> connection_;
  std::shared_ptr<FileLayer> station_;
};

}  // namespace bv::sqlfile
