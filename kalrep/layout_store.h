#pragma once
// Where a caller's column layouts are kept: the section "KAL_AUTOCOL_" and the
// caller's name in the settings file the caller names. The program's own
// settings object is used when it holds that file (the usual case: both name
// "bravent.INI"); otherwise the file is reached through a settings object of
// its own, which writes through under the same lock.
#include <QString>
#include <memory>

namespace bv {

class Settings;

class LayoutStore {
 public:
  LayoutStore(const QString& iniName, const QString& entryName);
  ~LayoutStore();
  LayoutStore(const LayoutStore&) = delete;
  LayoutStore& operator=(const LayoutStore&) = delete;

  const QString& section() const { return section_; }
  QString read(const QString& key) const;  // "" when missing
  bool write(const QString& key, const QString& value);

 private:
  Settings* settings() const;

  QString iniName_;
  QString section_;
  mutable std::unique_ptr<Settings> own_;
};

}  // namespace bv
