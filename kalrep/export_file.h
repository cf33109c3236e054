#pragma once
// The output file of a text or DBF export. Every piece is written with one call
// that succeeds only when all its bytes reached the file: the file is written
// without a buffer of its own, so a full disk or a file-size limit is noticed by
// the write that meets it, not later when nobody can be told.
#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <memory>
#include <optional>

namespace bv {

class ExportFile {
 public:
  // create: a new file (an existing one is emptied). Otherwise an existing
  // file is opened as it is (and a missing one created). nullptr when the file
  // cannot be had.
  static std::unique_ptr<ExportFile> open(const QString& path, bool create);

  const QString& path() const { return path_; }
  qint64 size() const { return end_; }
  // Writes at the end of the file.
  bool append(QByteArrayView bytes);
  // Writes at a position (the DBF header at the start).
  bool writeAt(qint64 position, QByteArrayView bytes);
  // Exactly `count` bytes from a position, or nullopt.
  std::optional<QByteArray> readAt(qint64 position, qint64 count);
  bool truncate(qint64 size);

 private:
  explicit ExportFile(const QString& path) : path_(path), file_(path) {}

  QString path_;
  QFile file_;
  qint64 end_ = 0;  // the file's size, kept so that appending needs no query
};

}  // namespace bv
