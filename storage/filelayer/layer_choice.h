#pragma once
// Where a data directory keeps its tables: in its own files, or on the database
// server its "bravent.INI" names in the section [Servidor], entry Conexion= (a
// libpq connection string, no password).
#include <QString>
#include <memory>

#include "storage/filelayer/file_layer.h"

namespace bv {

// A layer of its own over a database server.
std::shared_ptr<FileLayer> createServerLayer(const FileLayerOptions& options, const QString& connection);
// A layer of its own where the data directory keeps its tables.
std::shared_ptr<FileLayer> createLayer(const FileLayerOptions& options);
// The connection string the data directory's "bravent.INI" names (empty: the
// tables are in the files).
QString serverConnection(const QString& dataDirectory);

}  // namespace bv
