#pragma once
// Every table's and alias's file manager, made at start-up in construction order
// (the tables, then the aliases) and destroyed in reverse order at the end.
//
// The registry is also how field rules reach the tables they look up: a lookup
// runs in the looked-up table's buffer of the calling context and leaves that
// table's position as it was (the rule checker restores its record).
#include <QHash>
#include <QString>
#include <memory>
#include <vector>

#include "storage/dictionary/dictionary.h"
#include "storage/managers/file_manager.h"

namespace bv {

class FileManagers : public RuleLookup {
 public:
  explicit FileManagers(FileLayer& layer, ErrorManager& errors = ErrorManager::instance(),
                        const Dictionary& dictionary = Dictionary::instance());
  ~FileManagers() override;
  FileManagers(const FileManagers&) = delete;
  FileManagers& operator=(const FileManagers&) = delete;

  // By label ("Basicos", "A_Basicos"), any letter case; the program ends on an
  // unknown label, which only a programming error gives.
  FileManager& operator[](const QString& label);
  FileManager* find(const QString& label);
  FileManager& of(const TableDef& table);
  // In construction order.
  const std::vector<std::unique_ptr<FileManager>>& all() const { return managers_; }
  ProcedureScopes& scopes() { return scopes_; }
  FileLayer& layer() const { return layer_; }

  // Forgets every manager's state of a context that has ended.
  void dropContext(ContextId id);

  // RuleLookup
  Record& record(const TableDef& table) override;
  bool fetch(const TableDef& table, const KeyDef& key) override;

 private:
  FileLayer& layer_;
  ProcedureScopes scopes_;  // outlives the managers that keep rows in it
  std::vector<std::unique_ptr<FileManager>> managers_;
  QHash<const TableDef*, FileManager*> byTable_;
  QHash<QString, FileManager*> byLabel_;
  // A released context's buffers, handles and scope rows go with it.
  ContextReleaseListener released_{[this](ContextId id) { dropContext(id); }};
};

}  // namespace bv
