#pragma once
// Every table's and alias's relation manager, made at start-up over the file
// managers in construction order, with the relations of the system added as
// each is set up; destroyed in reverse order at the end.
#include <QHash>
#include <QString>
#include <memory>
#include <vector>

#include "storage/managers/file_managers.h"
#include "storage/relations/relation_manager.h"

namespace bv {

class RelationManagers {
 public:
  explicit RelationManagers(FileManagers& files);
  ~RelationManagers();
  RelationManagers(const RelationManagers&) = delete;
  RelationManagers& operator=(const RelationManagers&) = delete;

  // By label, any letter case; the program ends on an unknown label.
  RelationManager& operator[](const QString& label);
  RelationManager* find(const QString& label);
  RelationManager& of(const FileManager& file);
  const std::vector<std::unique_ptr<RelationManager>>& all() const { return managers_; }
  FileManagers& files() const { return files_; }
  RelationPasses& passes() { return passes_; }

  // Forgets what a context that has ended remembered.
  void dropContext(ContextId id);

 private:
  FileManagers& files_;
  RelationPasses passes_;
  std::vector<std::unique_ptr<RelationManager>> managers_;
  QHash<const FileManager*, RelationManager*> byFile_;
  // What a released context remembered goes with it.
  ContextReleaseListener released_{[this](ContextId id) { dropContext(id); }};
};

// Adds the relations of the system to the managers (once, at start-up).
void addSystemRelations(RelationManagers& managers);

}  // namespace bv
