#include "storage/transactions/child_list_transaction.h"

#include <algorithm>

#include "runtime/message_presenter.h"
#include "storage/managers/commit_warning.h"
#include "storage/relations/busy_cursor.h"
#include "storage/relations/integrity_transaction.h"
#include "storage/relations/linked_records.h"

namespace bv {
namespace {

// "(Error #5 - Acceso denegado)" and its like: the runtime error of the call that failed.
QString errorPart(const QString& prefix) {
  const RuntimeError e = currentRuntimeError();
  return prefix + QString::number(e.code) + QStringLiteral(" - ") + e.text + u')';
}

}  // namespace

ChildListTransaction::~ChildListTransaction() { cancel(); }

int ChildListTransaction::failBox(const QString& text) {
  showMessage(text, kErrorTitle, MessageIcon::Exclamation, kButtonOk);
  return kLevelNotice;
}

void ChildListTransaction::restoreOwnTransactions() {
  for (const auto& [manager, on] : switchedOff_) manager->setUseLogout(on);
  switchedOff_.clear();
}

int ChildListTransaction::save(RelationManager& parent, RecordPosition parentPosition, RelationManager& child,
                               std::vector<ChildLine>& lines, const std::vector<RelationManager*>& tables) {
  int level = start(tables.empty() ? std::vector<RelationManager*>{&parent, &child} : tables);
  if (level != kLevelBenign) return level;
  if (parentPosition != 0) level = removeUnlisted(parent, parentPosition, child, lines);
  if (level == kLevelBenign) level = writeHeader(parent, parentPosition == 0);
  if (level == kLevelBenign) level = writeLines(child, lines);
  if (level != kLevelBenign) {
    cancel();
    return level;
  }
  return commit();
}

int ChildListTransaction::start(const std::vector<RelationManager*>& tables) {
  cancel();
  for (RelationManager* r : tables) {
    switchedOff_.emplace_back(r, r->useLogout());
    r->setUseLogout(false);
  }
  // Every table is opened before the transaction starts, so no first use
  // inside it creates a file that a cancel would leave without its table.
  for (RelationManager* r : tables) {
    FileManager& m = r->me();
    int level = tables_.ensure(m);
    if (level == kLevelBenign) level = m.use();
    if (level != kLevelBenign) {
      layer_.rollback();
      restoreOwnTransactions();
      return level;
    }
    const int code = m.file().markForTransaction();
    if (code == kFileOk || code == kTransactionNotSupported) continue;
    m.setError(IntegrityTransaction::kMsgTransaction);
    const RuntimeError error = currentRuntimeError();
    layer_.rollback();
    restoreOwnTransactions();
    setRuntimeError(error);
    m.raiseStored();
    return kLevelNotice;
  }
  if (layer_.beginTransaction(IntegrityTransaction::kWaitSeconds) != kFileOk) {
    restoreOwnTransactions();
    return failBox(errorPart(QStringLiteral("Cannot LOGOUT files!||(Error #")));
  }
  active_ = true;
  return kLevelBenign;
}

int ChildListTransaction::removeUnlisted(RelationManager& parent, RecordPosition parentPosition,
                                         RelationManager& child, const std::vector<ChildLine>& lines) {
  const Relation* link = parent.relationTo(child);
  if (!link) return kLevelBenign;
  // The stored header is what the stored lines belong to.
  Record header(parent.me().table());
  if (readStoredRecord(parent.me(), parentPosition, header) != kFileOk) return kLevelBenign;
  const auto linked = linkedFields(*link, header);
  if (!linked) return kLevelBenign;
  FileManager& m = child.me();
  std::vector<RecordPosition> stored;
  {
    KeptTableState kept(m);
    if (const int level = collectLinked(m, *link->key, *linked, stored); level != kLevelBenign) {
      m.raiseStored();
      return level;
    }
  }
  for (RecordPosition position : stored) {
    const bool listed = std::any_of(lines.begin(), lines.end(), [&](const ChildLine& l) { return l.position == position; });
    if (listed) continue;
    if (m.reget(position) != kLevelBenign) continue;  // gone meanwhile
    if (hooks_.beforeDelete)
      if (const int level = hooks_.beforeDelete(m.buffer()); level != kLevelBenign) return level;
    if (child.deleteCurrent() != kLevelBenign) return failBox(QStringLiteral("Cannot delete child records!"));
  }
  return kLevelBenign;
}

int ChildListTransaction::writeHeader(RelationManager& parent, bool isNew) {
  return isNew ? parent.me().insert() : parent.update();
}

int ChildListTransaction::writeLines(RelationManager& child, std::vector<ChildLine>& lines) {
  FileManager& m = child.me();
  // Lines on file first, so a new line may take a key a rewritten one gives up.
  for (ChildLine& line : lines) {
    if (line.position == 0) continue;
    if (m.reget(line.position) != kLevelBenign) return failBox(QStringLiteral("Cannot Reget Child Record"));
    if (hooks_.beforeRewrite)
      if (const int level = hooks_.beforeRewrite(m.buffer(), line.record); level != kLevelBenign) return level;
    m.buffer() = line.record;
    if (const int level = child.update(); level != kLevelBenign) return level;
  }
  for (ChildLine& line : lines) {
    if (line.position != 0) continue;
    if (hooks_.beforeAdd)
      if (const int level = hooks_.beforeAdd(line.record); level != kLevelBenign) return level;
    m.buffer() = line.record;
    if (const int level = m.insert(); level != kLevelBenign) return level;
    line.position = m.position();
  }
  return kLevelBenign;
}

int ChildListTransaction::commit() {
  if (!active_) return kLevelBenign;
  BusyCursor busy;
  if (layer_.commit() != kFileOk) {
    const RuntimeError error = currentRuntimeError();
    layer_.rollback();
    active_ = false;
    restoreOwnTransactions();
    busy.restore();
    setRuntimeError(error);
    return failBox(errorPart(QStringLiteral("Error Committing Update!||(#")));
  }
  active_ = false;
  // The table that leads the save names the change in a disk warning.
  FileManager* lead = switchedOff_.empty() ? nullptr : &switchedOff_.front().first->me();
  restoreOwnTransactions();
  busy.restore();
  if (lead) tellCommitWarning(layer_, *lead);
  return kLevelBenign;
}

void ChildListTransaction::cancel() {
  if (active_) {
    const RuntimeError kept = currentRuntimeError();
    layer_.rollback();
    setRuntimeError(kept);
  }
  active_ = false;
  restoreOwnTransactions();
}

}  // namespace bv
