#include "storage/settings/ini_file_store.h"

#include "runtime/cp1252.h"
#include "storage/settings/file_lock.h"

#include <QFile>
#include <QSaveFile>
#include <sys/stat.h>

namespace bv {

IniFileStore::IniFileStore(QString path) : path_(std::move(path)) {}

IniFileStore::Stamp IniFileStore::stampOf(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
  return Stamp{true,
               static_cast<quint64>(st.st_dev),
               static_cast<quint64>(st.st_ino),
               static_cast<qint64>(st.st_size),
               static_cast<qint64>(st.st_mtim.tv_sec),
               static_cast<qint64>(st.st_mtim.tv_nsec)};
}

std::optional<QByteArray> IniFileStore::readBytes() const {
  QFile file(path_);
  if (!file.exists()) return QByteArray();
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}

void IniFileStore::remember(const QByteArray& bytes, const Stamp& stamp) {
  document_ = IniDocument::parse(cp1252::decode(bytes));
  loaded_ = stamp;
}

const IniDocument& IniFileStore::current() {
  // The stamp is taken before reading: should the file be replaced in between,
  // the next look sees a different stamp and reads it again.
  const Stamp stamp = stampOf(path_);
  if (loaded_ && *loaded_ == stamp) return document_;
  remember(readBytes().value_or(QByteArray()), stamp);
  return document_;
}

bool IniFileStore::modify(const std::function<void(IniDocument&)>& change) {
  FileLock lock(path_ + QLatin1String(".lock"));
  if (!lock.isLocked()) return false;
  const Stamp before = stampOf(path_);
  const std::optional<QByteArray> old = readBytes();
  if (!old) return false;
  IniDocument document = IniDocument::parse(cp1252::decode(*old));
  change(document);
  const QByteArray bytes = cp1252::encode(document.toText());
  if (bytes == *old) {
    remember(bytes, before);
    return true;
  }
  QSaveFile file(path_);  // a new file beside the old one, renamed over it on commit
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    return false;
  remember(bytes, stampOf(path_));
  return true;
}

}  // namespace bv
