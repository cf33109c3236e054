#include "storage/settings/settings.h"

#include "storage/settings/ini_file_store.h"
#include "storage/settings/numbered_entries.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace bv {
namespace {

// The file's absolute path; when no file of that exact name exists, one whose
// name differs only in letter case (copied from a Windows station) is taken.
QString resolveFileName(const QString& fileName) {
  const QFileInfo info(fileName);
  if (info.exists()) return info.absoluteFilePath();
  const QDir dir = info.absoluteDir();
  for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
    if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0) return dir.absoluteFilePath(name);
  return info.absoluteFilePath();
}

QList<Sector> readRegister(const IniDocument& doc) {
  QList<Sector> sectors;
  for (const QString& row :
       readNumberedEntries(doc, Settings::kRegisterSection, Settings::kRegisterEntry))
    if (!row.isEmpty()) sectors.append(parseSectorRegisterRow(row));
  return sectors;
}

void writeRegister(IniDocument& doc, const QList<Sector>& sectors) {
  QStringList rows;
  for (const Sector& sector : sectors) rows.append(sectorRegisterRow(sector));
  writeNumberedEntries(doc, Settings::kRegisterSection, Settings::kRegisterEntry, rows);
}

int clampFields(int fieldsCount) { return std::clamp(fieldsCount, 1, 3); }

}  // namespace

Settings::Settings() = default;

Settings::~Settings() { close(); }

Settings& Settings::global() {
  static Settings instance;
  return instance;
}

bool Settings::open(const QString& fileName) {
  close();
  if (fileName.trimmed().isEmpty()) return false;
  std::lock_guard lock(mutex_);
  store_ = std::make_unique<IniFileStore>(resolveFileName(fileName));
  store_->current();
  return true;
}

void Settings::close() {
  flush();
  std::lock_guard lock(mutex_);
  store_.reset();
}

bool Settings::flush() {
  return modify([](IniDocument& doc) { writeRegister(doc, readRegister(doc)); });
}

bool Settings::isOpen() const {
  std::lock_guard lock(mutex_);
  return store_ != nullptr;
}

QString Settings::fileName() const {
  std::lock_guard lock(mutex_);
  return store_ ? store_->path() : QString();
}

bool Settings::modify(const std::function<void(IniDocument&)>& change) {
  std::lock_guard lock(mutex_);
  return store_ && store_->modify(change);
}

bool Settings::read(const std::function<void(const IniDocument&)>& reader) const {
  std::lock_guard lock(mutex_);
  if (!store_) return false;
  reader(store_->current());
  return true;
}

QString Settings::tryFetch(const QString& section, const QString& entry) const {
  return lookup(section, entry).value_or(QString());
}

QString Settings::fetch(const QString& section, const QString& entry) const {
  return lookup(section, entry).value_or(kUnknown);
}

std::optional<QString> Settings::lookup(const QString& section, const QString& entry) const {
  std::optional<QString> value;
  read([&](const IniDocument& doc) { value = doc.value(section, entry); });
  return value;
}

QString Settings::fetchField(const QString& section, const QString& entry, int n) const {
  return commaField(tryFetch(section, entry), n);
}

bool Settings::update(const QString& section, const QString& entry, const QString& value) {
  if (!IniDocument::canHoldSectionName(section) || !IniDocument::canHoldEntryName(entry))
    return false;
  return modify([&](IniDocument& doc) { doc.setValue(section, entry, value); });
}

bool Settings::updateList(const QString& section, const QString& name,
                          const QList<SettingsRow>& rows, int fieldsCount) {
  if (!IniDocument::canHoldSectionName(section) || !IniDocument::canHoldEntryName(name))
    return false;
  const int fields = clampFields(fieldsCount);
  QStringList texts;
  for (const SettingsRow& row : rows) {
    SettingsRow cells = row.mid(0, fields);
    while (cells.size() < fields) cells.append(QString());
    texts.append(cells.join(QLatin1Char(',')));
  }
  return modify([&](IniDocument& doc) { writeNumberedEntries(doc, section, name, texts); });
}

QList<SettingsRow> Settings::fetchList(const QString& section, const QString& name,
                                       int fieldsCount) const {
  const int fields = clampFields(fieldsCount);
  QStringList texts;
  read([&](const IniDocument& doc) { texts = readNumberedEntries(doc, section, name); });
  QList<SettingsRow> rows;
  rows.reserve(texts.size());
  for (const QString& text : texts) {
    SettingsRow row;
    for (int n = 1; n <= fields; ++n) row.append(commaField(text, n, n == fields));
    rows.append(row);
  }
  return rows;
}

bool Settings::addSector(const QString& family, const QString& item, const QString& type) {
  const Sector added{family, item, type};
  return modify([&](IniDocument& doc) {
    QList<Sector> sectors = readRegister(doc);
    for (const Sector& sector : sectors)
      if (sameSector(sector, added)) return;
    sectors.append(added);
    writeRegister(doc, sectors);
  });
}

bool Settings::removeSector(const QString& family, const QString& item, const QString& type) {
  const Sector removed{family, item, type};
  return modify([&](IniDocument& doc) {
    QList<Sector> sectors = readRegister(doc);
    if (sectors.removeIf([&](const Sector& s) { return sameSector(s, removed); }) > 0)
      writeRegister(doc, sectors);
  });
}

QList<Sector> Settings::listSectors(const QString& family, const QString& item,
                                    const QString& type) const {
  const Sector pattern{family, item, type};
  QList<Sector> found;
  read([&](const IniDocument& doc) {
    for (const Sector& sector : readRegister(doc))
      if (sectorMatches(sector, pattern)) found.append(sector);
  });
  return found;
}

}  // namespace bv
