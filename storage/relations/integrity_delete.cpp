// Delete with integrity, and the cancel of an auto-number placeholder: the
// records linked to the record are refused, cleared or deleted first (their own
// linked records before them), then the record itself goes.
#include "storage/relations/busy_cursor.h"
#include "storage/relations/linked_records.h"
#include "storage/relations/linked_value.h"
#include "storage/relations/relation_manager.h"
#include "storage/relations/table_guards.h"

namespace bv {

int RelationManager::deleteRecord(bool confirm) {
  FileManager& m = *me_;
  if (confirm && m.raise(kMsgConfirmDelete) != kLevelBenign) return kLevelNotice;
  if (const int level = m.use(); level != kLevelBenign) return level;
  const RecordPosition position = m.position();
  for (;;) {
    IntegrityFailure failure;
    int level = kLevelBenign;
    {
      BusyCursor busy;
      level = deleteOnce(position, failure);
    }
    if (level == kLevelBenign) return level;
    level = failure.raise();
    if (m.raise(kMsgRetryDelete) != kLevelBenign) return level;
  }
}

int RelationManager::deleteCurrent() {
  FileManager& m = *me_;
  if (const int level = m.use(); level != kLevelBenign) return level;
  IntegrityFailure failure;
  const int level = deleteOnce(m.position(), failure);
  return level == kLevelBenign ? level : failure.raise();
}

int RelationManager::deleteOnce(RecordPosition position, IntegrityFailure& failure) {
  FileManager& m = *me_;
  TablesInUse tables;
  IntegrityTransaction transaction(m.layer());
  if (const int level = startTransaction(Change::Delete, tables, transaction, failure); level != kLevelBenign)
    return level;
  // The record as stored now is what its linked records refer to.
  m.setError(0);
  if (const int level = m.reget(position); level != kLevelBenign) {
    if (m.errorNumber() == 0) m.setError(kMsgNotDeleted);
    return failure.at(m, level);
  }
  const Record owner = m.buffer();
  if (const int level = deleteLinked(owner, failure); level != kLevelBenign) return level;
  if (const int level = m.deleteRecord(false); level != kLevelBenign) return failure.at(m, level);
  return transaction.commit(m, failure);
}

int RelationManager::deleteLinked(const Record& owner, IntegrityFailure& failure) {
  for (RelationManager* member : family())
    for (const Relation& r : member->relations_) {
      if (!r.owned() || r.onDelete == RelationAction::None) continue;
      if (const int level = r.other->applyDelete(r, owner, failure); level != kLevelBenign) return level;
    }
  return kLevelBenign;
}

int RelationManager::applyDelete(const Relation& link, const Record& owner, IntegrityFailure& failure) {
  FileManager& m = *me_;
  TablesInUse tables;
  if (const int level = tables.ensure(m); level != kLevelBenign) return failure.shown(level);
  if (const int level = m.use(); level != kLevelBenign) return failure.shown(level);
  const auto linked = linkedFields(link, owner);
  if (!linked) return kLevelBenign;
  KeptTableState kept(m);
  std::vector<RecordPosition> positions;
  if (const int level = collectLinked(m, *link.key, *linked, positions); level != kLevelBenign)
    return failure.at(m, level);
  if (positions.empty()) return kLevelBenign;
  if (link.onDelete == RelationAction::Restrict) {
    m.setError(kMsgDeleteRestricted);
    return failure.at(m, kLevelNotice);
  }
  for (RecordPosition position : positions) {
    m.setError(0);
    if (const int level = m.reget(position); level != kLevelBenign) {
      if (m.errorNumber() == 0) continue;  // deleted already through another relation
      return failure.at(m, level);
    }
    if (link.onDelete == RelationAction::Clear) {
      for (const FieldPair& p : link.pairs) m.buffer().setValue(*p.other, blankValue(*p.other));
      if (const int level = m.tryUpdate(); level != kLevelBenign) return failure.at(m, level);
      continue;
    }
    const Record mine = m.buffer();
    if (const int level = deleteLinked(mine, failure); level != kLevelBenign) return level;
    // The walk below may have moved this table's cursor: back to the record.
    m.setError(0);
    if (m.position() != position && m.reget(position) != kLevelBenign) {
      if (m.errorNumber() == 0) continue;
      return failure.at(m, kLevelNotice);
    }
    if (const int level = m.deleteRecord(false); level != kLevelBenign) return failure.at(m, level);
  }
  return kLevelBenign;
}

int RelationManager::cancelAutoNumber() {
  FileManager& m = *me_;
  if (!m.hasPlaceholder()) return kLevelBenign;
  if (const int level = m.use(); level != kLevelBenign) return level;
  TablesInUse tables;
  IntegrityTransaction transaction(m.layer());
  IntegrityFailure failure;
  int level = startTransaction(Change::Delete, tables, transaction, failure);
  if (level == kLevelBenign) {
    Record placeholder(m.table());
    // A placeholder already gone leaves nothing linked to delete.
    if (readStoredRecord(m, m.placeholderPosition(), placeholder) == kFileOk)
      level = deleteLinked(placeholder, failure);
  }
  if (level == kLevelBenign) {
    level = m.cancelAutoNumber();
    if (level != kLevelBenign) failure.at(m, level);
  }
  if (level == kLevelBenign) level = transaction.commit(m, failure);
  if (level == kLevelBenign) return level;
  transaction.rollback();
  return failure.raise();
}

}  // namespace bv
