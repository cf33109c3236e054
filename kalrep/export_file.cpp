#include "kalrep/export_file.h"

#include <QFileInfo>
#include <algorithm>

namespace bv {

std::unique_ptr<ExportFile> ExportFile::open(const QString& path, bool create) {
  if (path.trimmed().isEmpty()) return nullptr;
  std::unique_ptr<ExportFile> f(new ExportFile(path));
  QIODevice::OpenMode mode = QIODevice::ReadWrite | QIODevice::Unbuffered;
  // An existing file that cannot be opened is never emptied in its place: it
  // may be held by another program, and its contents are not ours to lose.
  if (create || !QFileInfo::exists(path)) mode |= QIODevice::Truncate;
  if (!f->file_.open(mode)) return nullptr;
  f->end_ = f->file_.size();
  return f;
}

bool ExportFile::writeAt(qint64 position, QByteArrayView bytes) {
  if (file_.pos() != position && !file_.seek(position)) return false;
  const bool whole = file_.write(bytes.data(), bytes.size()) == bytes.size();
  // After a short write the file holds what reached it, no more.
  end_ = whole ? std::max(end_, position + bytes.size()) : file_.size();
  return whole;
}

bool ExportFile::append(QByteArrayView bytes) { return writeAt(end_, bytes); }

std::optional<QByteArray> ExportFile::readAt(qint64 position, qint64 count) {
  if (!file_.seek(position)) return std::nullopt;
  QByteArray data = file_.read(count);
  if (data.size() != count) return std::nullopt;
  return data;
}

bool ExportFile::truncate(qint64 size) {
  if (!file_.resize(size)) return false;
  end_ = size;
  return true;
}

}  // namespace bv
