#include "storage/relations/integrity_transaction.h"

#include "storage/managers/commit_warning.h"

namespace bv {

int IntegrityFailure::at(FileManager& table, int level) {
  table_ = &table;
  level_ = level == kLevelBenign ? kLevelNotice : level;
  return level_;
}

int IntegrityFailure::shown(int level) {
  table_ = nullptr;
  level_ = level == kLevelBenign ? kLevelNotice : level;
  return level_;
}

int IntegrityFailure::raise() {
  const int failed = level_;
  FileManager* table = table_;
  table_ = nullptr;
  level_ = 0;
  if (!table || table->errorNumber() == 0) return failed;
  const int level = table->raiseStored();
  return level == kLevelBenign ? failed : level;
}

int IntegrityTransaction::mark(FileManager& table, IntegrityFailure& failure) {
  // A table that cannot be opened has shown why.
  if (const int level = table.use(); level != kLevelBenign) return failure.shown(level);
  const int code = table.file().markForTransaction();
  if (code == kFileOk) {
    marked_.push_back(&table);
    return kLevelBenign;
  }
  if (code == kTransactionNotSupported) {
    ++leftOut_;
    return kLevelBenign;
  }
  table.setError(kMsgTransaction);
  return failure.at(table, kLevelNotice);
}

int IntegrityTransaction::begin(FileManager& root, IntegrityFailure& failure) {
  if (layer_.inTransaction()) return kLevelBenign;
  if (layer_.beginTransaction(kWaitSeconds) != kFileOk) {
    FileManager* blamed = &root;
    const QString blocking = layer_.blockingFile();
    for (FileManager* m : marked_)
      if (!blocking.isEmpty() && m->file().path() == blocking) blamed = m;
    blamed->setError(kMsgTransaction);
    return failure.at(*blamed, kLevelNotice);
  }
  started_ = true;
  return kLevelBenign;
}

int IntegrityTransaction::commit(FileManager& root, IntegrityFailure& failure) {
  if (!started_) return kLevelBenign;
  if (layer_.commit() == kFileOk) {
    started_ = false;
    tellCommitWarning(layer_, root);
    return kLevelBenign;
  }
  root.setError(kMsgTransaction);
  const RuntimeError error = currentRuntimeError();
  rollback();
  setRuntimeError(error);
  return failure.at(root, kLevelNotice);
}

void IntegrityTransaction::rollback() {
  if (!started_) return;
  started_ = false;
  const RuntimeError kept = currentRuntimeError();
  layer_.rollback();
  setRuntimeError(kept);
}

}  // namespace bv
