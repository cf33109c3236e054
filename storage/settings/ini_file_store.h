#pragma once
// One settings file on disk, shared by several stations and by the export
// library: every change is made under a lock on "<file>.lock" by re-reading the
// file, applying the change and writing a new file that is renamed over the old
// one, so concurrent writers never lose each other's entries and a reader never
// sees a half-written file. Reads use the last loaded copy while the file stays
// the same one (identity, size and modification time), else they re-read it.
//
// The file is Windows-1252 on disk. A missing file reads as empty; the first
// write creates it.
#include "storage/settings/ini_document.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace bv {

class IniFileStore {
 public:
  explicit IniFileStore(QString path);

  const QString& path() const { return path_; }
  // The file's contents as they are now.
  const IniDocument& current();
  // Applies `change` to the file's current contents and writes the result back,
  // all under the lock. Nothing is written when the change leaves the text as it
  // was. False when the lock could not be taken or the file read or written.
  bool modify(const std::function<void(IniDocument&)>& change);

 private:
  struct Stamp {
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 mtimeSec = 0;
    qint64 mtimeNsec = 0;
    bool operator==(const Stamp&) const = default;
  };
  static Stamp stampOf(const QString& path);
  // The file's bytes, empty when it is missing; nothing when it exists but
  // cannot be read (then it must not be overwritten either).
  std::optional<QByteArray> readBytes() const;
  void remember(const QByteArray& bytes, const Stamp& stamp);

  QString path_;
  IniDocument document_;
  std::optional<Stamp> loaded_;
};

}  // namespace bv
