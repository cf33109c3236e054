#include "storage/filelayer/table_repair.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

#include "storage/filelayer/private_db.h"
#include "storage/filelayer/sqlite_codes.h"
#include "storage/filelayer/table_salvage.h"

namespace bv::sqlfile {
namespace {

namespace fs = std::filesystem;

fs::path native(const QString& path) { return fs::path(path.toStdU16String()); }

bool rebuildInPlace(const QString& path, int busyTimeoutMs) {
  PrivateDb db(path, SQLITE_OPEN_READWRITE, busyTimeoutMs);
  return db.get() && db.exec(QStringLiteral("REINDEX")) == SQLITE_OK && db.passesIntegrityCheck();
}

qint64 recordCount(const QString& path, const TableSchema& schema, int busyTimeoutMs) {
  PrivateDb db(path, SQLITE_OPEN_READONLY, busyTimeoutMs);
  Statement s(db.get(), QStringLiteral("SELECT count(*) FROM ") + schema.qualifiedTable(QStringLiteral("main")) +
                            QStringLiteral(" WHERE ") + TableSchema::visibleCondition());
  return s && sqlite3_step(s.get()) == SQLITE_ROW ? sqlite3_column_int64(s.get(), 0) : -1;
}

void removeQuietly(const QString& path) {
  QFile::remove(path);
  QFile::remove(path + QStringLiteral("-journal"));
}

// Keeps the damaged file's content under `kept` while it stays at `path`: a
// second name for the same file where the file system allows, else a copy.
bool keepCopy(const QString& path, const QString& kept) {
  std::error_code ec;
  fs::create_hard_link(native(path), native(kept), ec);
  if (!ec) return true;
  return QFile::copy(path, kept);
}

}  // namespace

QString freeDamagedName(const QString& path) {
  const QString first = path + QStringLiteral(".damaged");
  auto taken = [](const QString& name) {
    return QFileInfo::exists(name) || QFileInfo(name).isSymLink() || QFileInfo::exists(name + QStringLiteral("-journal"));
  };
  if (!taken(first)) return first;
  for (int n = 2;; ++n) {
    const QString name = first + u'.' + QString::number(n);
    if (!taken(name)) return name;
  }
}

int rebuildTableFile(const QString& path, const TableSchema& schema, int busyTimeoutMs, RebuildReport& report) {
  report = {};
  if (rebuildInPlace(path, busyTimeoutMs)) {
    report.kept = recordCount(path, schema, busyTimeoutMs);
    report.unreadable = 0;
    return kFileOk;
  }
  const QString fresh = path + QStringLiteral(".rebuild");
  removeQuietly(fresh);
  SalvageCount count;
  const int code = salvageTable(path, fresh, schema, busyTimeoutMs, count);
  if (code != kFileOk) {
    removeQuietly(fresh);
    return code;
  }
  const QString damaged = freeDamagedName(path);
  if (!keepCopy(path, damaged)) {
    removeQuietly(fresh);
    return reportFileSystem(QStringLiteral("No se pudo guardar la copia dañada ") + damaged, QString());
  }
  // A journal left beside the damaged file belongs to it, never to the fresh one.
  const QString journal = path + QStringLiteral("-journal");
  if (QFileInfo::exists(journal) && !QFile::rename(journal, damaged + QStringLiteral("-journal"))) {
    removeQuietly(fresh);
    return reportFileSystem(QStringLiteral("No se pudo apartar el diario ") + journal, QString());
  }
  std::error_code ec;
  fs::rename(native(fresh), native(path), ec);  // replaces the damaged file in one step
  if (ec) {
    removeQuietly(fresh);
    return reportFileSystem(QStringLiteral("No se pudo reemplazar ") + path + QStringLiteral(": ") +
                                QString::fromStdString(ec.message()),
                            QString::number(ec.value()));
  }
  report.copied = true;
  report.kept = count.kept;
  report.unreadable = count.unreadable;
  report.damagedCopy = damaged;
  return kFileOk;
}

}  // namespace bv::sqlfile
