#pragma once
// The transaction an integrity operation wraps its cascade in, and the failure
// it reports once the transaction is rolled back.
//
// Messages are raised after the rollback, so no other station waits on the
// files while the user reads one.
#include <vector>

#include "storage/managers/file_manager.h"

namespace bv {

// The table whose stored message tells why an operation failed.
class IntegrityFailure {
 public:
  // Remembers the table and answers `level` (never 0), for `return failure.at(...)`.
  int at(FileManager& table, int level);
  // A failure whose message was shown already; answers `level`.
  int shown(int level);
  bool failed() const { return level_ != 0; }
  // Raises the stored message of the failing table, once; answers its level.
  int raise();

 private:
  FileManager* table_ = nullptr;
  int level_ = 0;
};

class IntegrityTransaction {
 public:
  // How long the start waits for other stations' writes.
  static constexpr int kWaitSeconds = 2;
  // "Transacción Cancelada"
  static constexpr int kMsgTransaction = 21;

  explicit IntegrityTransaction(FileLayer& layer) : layer_(layer) {}
  // An uncommitted transaction is rolled back.
  ~IntegrityTransaction() { rollback(); }
  IntegrityTransaction(const IntegrityTransaction&) = delete;
  IntegrityTransaction& operator=(const IntegrityTransaction&) = delete;

  // Marks a table (opened by then) for the transaction. A table whose driver
  // cannot take part (80) is left out; any other error stores message 21 on
  // the table. Answers 0 or a failure level.
  int mark(FileManager& table, IntegrityFailure& failure);
  // Starts the transaction; message 21 on the marked table that kept it from
  // starting (on `root` when no one table was to blame). When a transaction is
  // running already (a form's own), the marked tables have joined it and its
  // owner commits or rolls back.
  int begin(FileManager& root, IntegrityFailure& failure);
  // Commits; on failure rolls back and stores message 21 on `root`. A commit
  // that the disk reported an error for after it was kept succeeds, and the
  // user is warned that the change was saved.
  int commit(FileManager& root, IntegrityFailure& failure);
  void rollback();
  bool started() const { return started_; }
  // Tables left out because their driver cannot take part.
  int leftOut() const { return leftOut_; }

 private:
  FileLayer& layer_;
  std::vector<FileManager*> marked_;
  bool started_ = false;
  int leftOut_ = 0;
};

}  // namespace bv
