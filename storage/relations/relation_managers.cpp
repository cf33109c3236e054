#include "storage/relations/relation_managers.h"

namespace bv {

RelationManagers::RelationManagers(FileManagers& files) : files_(files) {
  for (const auto& file : files.all()) {
    auto manager = std::make_unique<RelationManager>(*file, true, passes_);
    byFile_.insert(file.get(), manager.get());
    managers_.push_back(std::move(manager));
  }
  for (const auto& manager : managers_)
    if (FileManager* base = manager->me().aliasedFile()) manager->setAlias(*byFile_.value(base));
  addSystemRelations(*this);
}

RelationManagers::~RelationManagers() {
  while (!managers_.empty()) {
    managers_.back()->destroy();
    managers_.pop_back();
  }
}

RelationManager* RelationManagers::find(const QString& label) {
  FileManager* file = files_.find(label);
  return file ? byFile_.value(file, nullptr) : nullptr;
}

RelationManager& RelationManagers::operator[](const QString& label) {
  RelationManager* r = find(label);
  if (!r) qFatal("no relation manager for %s", qPrintable(label));
  return *r;
}

RelationManager& RelationManagers::of(const FileManager& file) {
  RelationManager* r = byFile_.value(&file, nullptr);
  if (!r) qFatal("no relation manager for %s", qPrintable(file.table().label));
  return *r;
}

void RelationManagers::dropContext(ContextId id) {
  for (const auto& m : managers_) m->dropContext(id);
}

}  // namespace bv
