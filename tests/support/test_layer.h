#pragma once
// The layer the storage tests run on. The same tests run twice: on the files,
// and with BRAVENT_TEST_SERVER naming the socket directory of a throwaway
// database server (see pg_server.sh) on that server, each data directory in a
// schema of its own, so that every test starts empty and two layers on one
// directory are two stations on the same tables.
#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <libpq-fe.h>

#include "storage/filelayer/layer_choice.h"

namespace bv::test {

using namespace Qt::StringLiterals;

inline QString testServerSocket() { return qEnvironmentVariable("BRAVENT_TEST_SERVER"); }
inline bool onTestServer() { return !testServerSocket().isEmpty(); }

// The schema that stands for a data directory on the test server.
inline QString testSchemaOf(const QString& dataDirectory) {
  const QByteArray hash =
      QCryptographicHash::hash(QDir(dataDirectory).absolutePath().toUtf8(), QCryptographicHash::Md5).toHex();
  return u"d_"_s + QString::fromLatin1(hash.left(24));
}

// A connection string to the test server (no schema: the default one).
inline QString testServerConnection() {
  return u"host=%1 dbname=postgres user=bravent"_s.arg(testServerSocket());
}

// The connection string of a data directory's schema, made on first use.
inline QString testConnectionOf(const QString& dataDirectory) {
  const QString schema = testSchemaOf(dataDirectory);
  PGconn* conn = PQconnectdb(testServerConnection().toUtf8().constData());
  const QByteArray sql = u"CREATE SCHEMA IF NOT EXISTS %1"_s.arg(schema).toUtf8();
  PQclear(PQexec(conn, "SET client_min_messages = warning"));
  PQclear(PQexec(conn, sql.constData()));
  PQfinish(conn);
  // Named after the schema too, so that a test can find its stations' sessions.
  return testServerConnection() + u" application_name=%1 options='-csearch_path=%1'"_s.arg(schema);
}

// Does the data directory hold the table of this file: the file itself, or on
// the server the table of its name?
inline bool tableStored(const QString& dataDirectory, const QString& fileName) {
  if (!onTestServer()) return QFileInfo::exists(QDir(dataDirectory).filePath(fileName));
  PGconn* conn = PQconnectdb(testServerConnection().toUtf8().constData());
  const QByteArray name =
      (u'"' + testSchemaOf(dataDirectory) + u"\".\""_s + QFileInfo(fileName).completeBaseName() + u'"')
          .toUtf8();
  const char* values[] = {name.constData()};
  PGresult* r = PQexecParams(conn, "SELECT to_regclass($1) IS NOT NULL", 1, nullptr, values, nullptr, nullptr, 0);
  const bool found = PQresultStatus(r) == PGRES_TUPLES_OK && PQgetvalue(r, 0, 0)[0] == 't';
  PQclear(r);
  PQfinish(conn);
  return found;
}

// A layer of its own on the files or, in the server run, on the server.
inline std::shared_ptr<FileLayer> makeTestLayer(const FileLayerOptions& options) {
  if (!onTestServer()) return FileLayer::createSqlite(options);
  return createServerLayer(options, testConnectionOf(options.dataDirectory));
}

}  // namespace bv::test
