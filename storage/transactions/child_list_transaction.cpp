#include "storage/transactions/child_list_transaction.h"

#include <algorithm>

#include "runtime/message_presenter.h"
#include "storage/managers/commit_warning.h"
#include "storage/relations/busy_cursor.h"
#include "storage/relations/integrity_transaction.h"
#include "storage/relations/linked_records.h"
#include "storage/transactions/held_messages.h"

namespace bv {
namespace {

// "(Error #5 - Acceso denegado)" and its like: the runtime error of the call that failed.
QString errorPart(const QString& prefix) {
  const RuntimeError e = currentRuntimeError();
  return prefix + QString::number(e.code) + QStringLiteral(" - ") + e.text + u')';
}

bool changedByOtherStation(FileManager& file) {
  const int error = file.errorNumber();
  return error == FileManager::kMsgChanged || error == FileManager::kMsgChangedLong;
}

// The header's linking values as stored again after a rollback: an update of
// the header inside the transaction remembered the values it wrote, and a
// later update must cascade from those still on file.
void rememberStoredLinks(RelationManager& parent, RecordPosition at) {
  FileManager& m = parent.me();
  Record stored(m.table());
  if (at == 0 || m.position() != at || readStoredRecord(m, at, stored) != kFileOk) return;
  const Record mine = m.buffer();
  m.buffer() = stored;
  parent.rememberLinks();
  m.buffer() = mine;
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
                               std::vector<ChildLine>& lines, const std::vector<RelationManager*>& further) {
  // Declared first, so the held messages show after the rollback below.
  HeldMessages held;
  std::vector<RelationManager*> tables{&parent, &child};
  for (RelationManager* r : further)
    if (std::find(tables.begin(), tables.end(), r) == tables.end()) tables.push_back(r);
  FileManager& header = parent.me();
  int headerState = header.saveFile();
  std::vector<std::size_t> added;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].position == 0) added.push_back(i);

  int level = start(tables);
  if (level == kLevelBenign && parentPosition != 0) level = removeUnlisted(parent, parentPosition, child, lines);
  if (level == kLevelBenign) level = writeHeader(parent, parentPosition == 0);
  if (level == kLevelBenign) level = writeLines(child, lines);
  if (level == kLevelBenign) level = commit();  // a failed commit rolls back
  if (level == kLevelBenign) {
    header.forgetFile(headerState);
    return level;
  }
  cancel();
  for (std::size_t i : added) lines[i].position = 0;
  if (changedByOtherStation(header)) {
    // The header now shows, and watches, the other station's values.
    header.forgetFile(headerState);
  } else {
    header.restoreFile(headerState);
    rememberStoredLinks(parent, parentPosition);
  }
  return level;
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
    if (hooks_.beforeDelete) {
      const Record line = m.buffer();
      if (const int level = hooks_.beforeDelete(line, files_); level != kLevelBenign) return level;
      if (const int level = backTo(m, position); level != kLevelBenign) return level;
    }
    if (child.deleteCurrent() != kLevelBenign) return failBox(QStringLiteral("Cannot delete child records!"));
  }
  return kLevelBenign;
}

// A hook may have read the line table: the line it ran for becomes current again.
int ChildListTransaction::backTo(FileManager& lines, RecordPosition position) {
  if (lines.position() == position) return kLevelBenign;
  return lines.reget(position) == kLevelBenign ? kLevelBenign : failBox(QStringLiteral("Cannot Reget Child Record"));
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
    if (hooks_.beforeRewrite) {
      const Record stored = m.buffer();
      if (const int level = hooks_.beforeRewrite(stored, line.record, files_); level != kLevelBenign) return level;
      if (const int level = backTo(m, line.position); level != kLevelBenign) return level;
    }
    m.buffer() = line.record;
    if (const int level = child.update(); level != kLevelBenign) return level;
  }
  for (ChildLine& line : lines) {
    if (line.position != 0) continue;
    if (hooks_.beforeAdd)
      if (const int level = hooks_.beforeAdd(line.record, files_); level != kLevelBenign) return level;
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
