#pragma once
// The transaction of a form with a child list (formulas, purchases,
// productions): the header and its lines are written together or not at all.
//
// In this order, inside the one transaction: the stored lines no longer in the
// list are deleted, the header is written, the listed lines on file are
// rewritten and the new ones added; then the transaction commits. A line
// removed and added again so never meets itself on a unique key. While the
// transaction runs, the relation managers of its tables do not start their own.
//
// A save that fails leaves everything as it was: the files (rolled back), the
// positions of the lines (an added line is still a new one) and the header's
// manager (its reserved number, its cursor, what it watches for other
// stations' changes), so that the save can simply be tried again. Its
// messages are shown after the rollback.
#include <QString>
#include <vector>

#include "storage/managers/file_managers.h"
#include "storage/relations/relation_manager.h"
#include "storage/relations/table_guards.h"
#include "storage/transactions/child_line.h"

namespace bv {

class ChildListTransaction {
 public:
  static inline const QString kErrorTitle = QStringLiteral("Error!");

  // The hooks reach every table through `files`.
  explicit ChildListTransaction(FileManagers& files) : files_(files), layer_(files.layer()) {}
  // An unfinished transaction is cancelled.
  ~ChildListTransaction();
  ChildListTransaction(const ChildListTransaction&) = delete;
  ChildListTransaction& operator=(const ChildListTransaction&) = delete;

  void setHooks(ChildLineHooks hooks) { hooks_ = std::move(hooks); }

  // The whole save: `parentPosition` is the header's place on file, 0 for a new
  // header; `further` are the tables the hooks change beside the header's and
  // the lines' (the stock of a purchase). Positions of added lines are set.
  // Answers 0, or the level of the step that failed (the transaction
  // cancelled, then its message shown).
  int save(RelationManager& parent, RecordPosition parentPosition, RelationManager& child,
           std::vector<ChildLine>& lines, const std::vector<RelationManager*>& further = {});

  // ---- the steps ------------------------------------------------------------------
  // Switches off the tables' own transactions and marks them (a table whose
  // driver cannot take part is left out; another error: message 21); starts
  // the transaction ("Cannot LOGOUT files!" when it cannot start).
  int start(const std::vector<RelationManager*>& tables);
  // Deletes, through the lines' relation manager, every stored line of the
  // header at `parentPosition` that the list no longer holds.
  int removeUnlisted(RelationManager& parent, RecordPosition parentPosition, RelationManager& child,
                     const std::vector<ChildLine>& lines);
  // Inserts a new header, or updates a stored one with integrity.
  int writeHeader(RelationManager& parent, bool isNew);
  // Rewrites the listed lines on file, then adds the new ones.
  int writeLines(RelationManager& child, std::vector<ChildLine>& lines);
  // Commits with the busy cursor; "Error Committing Update!" when it cannot.
  int commit();
  void cancel();
  bool active() const { return active_; }

 private:
  int failBox(const QString& text);
  int backTo(FileManager& lines, RecordPosition position);
  void restoreOwnTransactions();

  FileManagers& files_;
  FileLayer& layer_;
  ChildLineHooks hooks_;
  std::vector<std::pair<RelationManager*, bool>> switchedOff_;
  TablesInUse tables_;
  bool active_ = false;
};

}  // namespace bv
