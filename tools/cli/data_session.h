#pragma once
// The storage of one data directory as a verb uses it: the keyed-file layer
// (the label work file kept in the data directory too), every table's file
// manager and relation manager, reporting through the program's error manager.
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"

namespace bv::cli {

class DataSession {
 public:
  explicit DataSession(const QString& dataDirectory);
  DataSession(const DataSession&) = delete;
  DataSession& operator=(const DataSession&) = delete;

  FileLayer& layer() { return *layer_; }
  FileManagers& files() { return files_; }
  RelationManagers& relations() { return relations_; }

  // Runs `body` in one transaction over the files of `tables`, which the
  // caller has opened: commits when it answers 0 and rolls back otherwise. A
  // transaction that cannot start raises message 21 and a commit that fails
  // its box; both answer the status of a failure. Answers the body's status.
  int inTransaction(const std::vector<FileManager*>& tables, const std::function<int()>& body);

 private:
  std::shared_ptr<FileLayer> layer_;
  FileManagers files_;
  RelationManagers relations_;
};

}  // namespace bv::cli
