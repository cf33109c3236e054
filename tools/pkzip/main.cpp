// pkzip: the archiver the update archive is made with.
//
//   pkzip -add=update ARCHIVE PATTERN
//
// Exit status: 0 done (a pattern that names no file adds nothing, with a
// warning), 1 the archive could not be written, 2 wrong usage.
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "tools/pkzip/archive_update.h"

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args.size() != 3 || args[0].compare(u"-add=update"_s, Qt::CaseInsensitive) != 0) {
    std::fputs("uso: pkzip -add=update ARCHIVO PATRON\n", stderr);
    return 2;
  }
  const QString archive = bv::pkzip::archiveName(args[1]);
  const QStringList files = bv::pkzip::matchingFiles(args[2], QDir::currentPath(), archive);
  if (files.isEmpty()) {
    std::fprintf(stderr, "pkzip: ningún archivo coincide con %s\n", qPrintable(args[2]));
    return 0;
  }
  const bv::pkzip::UpdateResult result = bv::pkzip::updateArchive(archive, files);
  if (!result.done) {
    std::fprintf(stderr, "pkzip: %s: %s\n", qPrintable(archive), qPrintable(result.error));
    return 1;
  }
  return 0;
}
