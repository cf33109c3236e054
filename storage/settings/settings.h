#pragma once
// The settings object over "bravent.INI": window placements, the register of
// sectors (named settings groups) and lists kept as numbered entries.
//
// Every change is written through to the file at once, under a lock, merged
// with what other stations and the export library wrote in the meantime; reads
// see their entries too. The register is kept in the file as well (section
// "__Dont_Touch_Me__"), so a sector added by one station is never dropped by
// another one's close.
//
// All members may be called from any thread.
#include "storage/settings/sector.h"
#include "storage/settings/window_geometry.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace bv {

class IniDocument;
class IniFileStore;

// One row of a list: up to three fields.
using SettingsRow = QStringList;

class Settings {
 public:
  static inline const QString kUnknown = QStringLiteral("---Unknown---");
  static inline const QString kRegisterSection = QStringLiteral("__Dont_Touch_Me__");
  static inline const QString kRegisterEntry = QStringLiteral("Sectors");

  Settings();
  ~Settings();  // closes the file when still open
  Settings(const Settings&) = delete;
  Settings& operator=(const Settings&) = delete;

  // The one settings object of the process, shared by the program and the
  // export library.
  static Settings& global();

  // Takes the file (a bare name is taken in the working directory; a file whose
  // name differs only in letter case is found) and loads it with its register.
  // A missing file reads as empty.
  bool open(const QString& fileName);
  // Writes the register back and releases the file.
  void close();
  // Writes the register back; the other entries are already written.
  bool flush();
  bool isOpen() const;
  QString fileName() const;

  QString tryFetch(const QString& section, const QString& entry) const;  // "" when missing
  QString fetch(const QString& section, const QString& entry) const;     // kUnknown when missing
  // The nth (from 1) comma-separated field of the value, "" beyond the last.
  QString fetchField(const QString& section, const QString& entry, int n) const;
  // False when the file cannot be written or the name cannot be held by the
  // format (an entry name with "=" or a line break).
  bool update(const QString& section, const QString& entry, const QString& value);

  // A list under one entry: `name` holds the row count, "name_1", "name_2", ...
  // the rows' first `fieldsCount` (1 to 3) fields joined by ",". A rewrite with
  // fewer rows removes the numbered entries left over.
  bool updateList(const QString& section, const QString& name, const QList<SettingsRow>& rows,
                  int fieldsCount);
  // Rows of exactly `fieldsCount` fields. The last field runs to the end of the
  // row, so it may hold commas (a query's expression does); the others may not.
  QList<SettingsRow> fetchList(const QString& section, const QString& name, int fieldsCount) const;

  static QString sectorName(const QString& family, const QString& item, const QString& type) {
    return bv::sectorName(family, item, type);
  }
  static Sector parseSectorName(const QString& name) { return bv::parseSectorName(name); }
  // Register changes are written through like every other change.
  bool addSector(const QString& family, const QString& item, const QString& type);
  bool removeSector(const QString& family, const QString& item, const QString& type);
  // The register's sectors matching the parts given (an empty part matches
  // everything), with the items read back as given ("$$$" read as "$").
  QList<Sector> listSectors(const QString& family = {}, const QString& item = {},
                            const QString& type = {}) const;

  // The placement of a window in the section of its name: "Maximize" "Yes" or
  // "No", and its normal position ("XPos", "YPos") and, when resizable, size
  // ("Width", "Height"). The normal placement is written while maximized too,
  // whenever the window has one, so that a window closed maximized reopens
  // maximized over the place it returns to when restored.
  bool saveWindow(const QString& name, const WindowGeometry& window);
  // Restores what saveWindow wrote: the position and size first, then the
  // maximized state. Nothing is done (false) when "Maximize" is neither "Yes"
  // nor "No".
  bool restoreWindow(const QString& name, WindowGeometry& window);

 private:
  bool modify(const std::function<void(IniDocument&)>& change);
  // Runs `reader` over the file's current contents; false when not open.
  bool read(const std::function<void(const IniDocument&)>& reader) const;
  std::optional<QString> lookup(const QString& section, const QString& entry) const;

  mutable std::mutex mutex_;
  std::unique_ptr<IniFileStore> store_;
};

}  // namespace bv
