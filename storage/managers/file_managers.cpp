#include "storage/managers/file_managers.h"

namespace bv {

FileManagers::FileManagers(FileLayer& layer, ErrorManager& errors, const Dictionary& dictionary)
    : layer_(layer) {
  for (const TableDef* table : dictionary.tables()) {
    FileManager* base = table->isAlias() ? byTable_.value(table->base, nullptr) : nullptr;
    auto manager = std::make_unique<FileManager>(*table, layer, errors, scopes_, *this, base);
    byTable_.insert(table, manager.get());
    byLabel_.insert(table->label.toUpper(), manager.get());
    managers_.push_back(std::move(manager));
  }
}

FileManagers::~FileManagers() {
  while (!managers_.empty()) {
    managers_.back()->destroy();
    managers_.pop_back();
  }
}

FileManager* FileManagers::find(const QString& label) { return byLabel_.value(label.toUpper(), nullptr); }

FileManager& FileManagers::operator[](const QString& label) {
  FileManager* m = find(label);
  if (!m) qFatal("no file manager for %s", qPrintable(label));
  return *m;
}

FileManager& FileManagers::of(const TableDef& table) {
  FileManager* m = byTable_.value(&table, nullptr);
  if (!m) m = find(table.label);
  if (!m) qFatal("no file manager for %s", qPrintable(table.label));
  return *m;
}

void FileManagers::dropContext(ContextId id) {
  for (const auto& m : managers_) m->dropContext(id);
  scopes_.dropContext(id);
}

Record& FileManagers::record(const TableDef& table) { return of(table).buffer(); }

bool FileManagers::fetch(const TableDef& table, const KeyDef& key) {
  FileManager& m = of(table);
  // A rule may look up a table its window did not open: open it for the lookup.
  const bool counted = m.openCount() > 0;
  if (!counted && m.tryOpen() != kLevelBenign) return false;
  int saved = m.saveFile();
  const bool found = m.tryFetch(key) == kLevelBenign;
  m.restoreFile(saved, false);
  if (!counted) m.close();
  return found;
}

}  // namespace bv
