#pragma once
// What the archiver does for "-add=update ARCHIVE PATTERN": the regular files
// that PATTERN names ("*.TPS", "lib/*.so", "bravent") are added to the zip
// archive ARCHIVE (".zip" added when the name has no extension), each under
// its own file name, replacing a copy of the same name. The pattern's file
// part matches names without regard to letter case, as on the Windows file
// system, so "*.TPS" takes "Basicos.tps" too. The archive is written to a new
// file that replaces the old one only when it is whole.
#include <QString>
#include <QStringList>

namespace bv::pkzip {

// The archive's file name: ".zip" appended when the name has no extension.
QString archiveName(const QString& given);

// The files the pattern names, relative to `directory`, in name order; the
// archive itself is never one of them.
QStringList matchingFiles(const QString& pattern, const QString& directory, const QString& archive);

struct UpdateResult {
  bool done = false;
  int added = 0;
  QString error;  // why it failed
};

// Adds `files` to the archive (created when missing).
UpdateResult updateArchive(const QString& archive, const QStringList& files);

}  // namespace bv::pkzip
