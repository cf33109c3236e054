// Update with integrity: the record is written, then every relation whose
// owner fields changed acts on the records linked to the old values.
#include "storage/relations/linked_records.h"
#include "storage/relations/linked_value.h"
#include "storage/relations/relation_manager.h"
#include "storage/relations/table_guards.h"

namespace bv {

int RelationManager::update(bool longForm) {
  FileManager& m = *me_;
  if (const int level = m.use(); level != kLevelBenign) return level;
  TablesInUse tables;
  IntegrityTransaction transaction(m.layer());
  IntegrityFailure failure;
  if (startTransaction(Change::Update, tables, transaction, failure) != kLevelBenign) {
    transaction.rollback();
    return failure.raise();
  }
  const Record before = linksBefore(m.position());
  const int written = m.tryUpdate(longForm);
  if (written != kLevelBenign) {
    transaction.rollback();
    const int error = m.errorNumber();
    if (written == kLevelNotice) m.raiseStored();
    return error == FileManager::kMsgChanged || error == FileManager::kMsgChangedLong ? kLevelNotice : kLevelUser;
  }
  int level = updateLinked(before, m.buffer(), failure);
  if (level == kLevelBenign) level = transaction.commit(m, failure);
  if (level != kLevelBenign) {
    transaction.rollback();
    // The form shows the linking values as they are stored again.
    restoreLinks(before);
    return failure.raise();
  }
  if (remembered_.contains(ExecutionContext::current())) rememberLinks();
  return kLevelBenign;
}

int RelationManager::updateLinked(const Record& before, const Record& after, IntegrityFailure& failure) {
  for (RelationManager* member : family())
    for (const Relation& r : member->relations_) {
      if (!r.owned() || r.onUpdate == RelationAction::None || !linkChanged(r, before, after)) continue;
      if (const int level = r.other->applyUpdate(r, before, after, failure); level != kLevelBenign) return level;
    }
  return kLevelBenign;
}

int RelationManager::applyUpdate(const Relation& link, const Record& before, const Record& after,
                                 IntegrityFailure& failure) {
  FileManager& m = *me_;
  TablesInUse tables;
  if (const int level = tables.ensure(m); level != kLevelBenign) return failure.shown(level);
  if (const int level = m.use(); level != kLevelBenign) return failure.shown(level);
  const auto linked = linkedFields(link, before);
  if (!linked) return kLevelBenign;
  if (link.onUpdate == RelationAction::Cascade && !ownsUpdatedLinks(link)) return cascadeAtOnce(link, *linked, after, failure);
  KeptTableState kept(m);
  std::vector<RecordPosition> positions;
  if (const int level = collectLinked(m, *link.key, *linked, positions); level != kLevelBenign)
    return failure.at(m, level);
  if (positions.empty()) return kLevelBenign;
  if (link.onUpdate == RelationAction::Restrict) {
    m.setError(kMsgUpdateRestricted);
    return failure.at(m, kLevelNotice);
  }
  for (RecordPosition position : positions) {
    m.setError(0);
    if (const int level = m.reget(position); level != kLevelBenign) {
      if (m.errorNumber() == 0) continue;  // gone meanwhile: nothing links to the owner there
      return failure.at(m, level);
    }
    const Record mine = m.buffer();
    for (const FieldPair& p : link.pairs) {
      const FieldValue value = link.onUpdate == RelationAction::Clear
                                   ? blankValue(*p.other)
                                   : linkedValue(after.value(p.mine->number), *p.other).value_or(blankValue(*p.other));
      m.buffer().setValue(*p.other, value);
    }
    if (const int level = m.tryUpdate(); level != kLevelBenign) return failure.at(m, level);
    // The changed record's own relations act in turn, so cascades go on down.
    if (link.onUpdate == RelationAction::Cascade)
      if (const int level = updateLinked(mine, m.buffer(), failure); level != kLevelBenign) return level;
  }
  return kLevelBenign;
}

bool RelationManager::ownsUpdatedLinks(const Relation& link) {
  for (RelationManager* member : family())
    for (const Relation& r : member->relations_) {
      if (!r.owned() || r.onUpdate == RelationAction::None) continue;
      for (const FieldPair& mine : r.pairs)
        for (const FieldPair& set : link.pairs)
          if (mine.mine->number == set.other->number) return true;
    }
  return false;
}

// The linked records take the owner's new values in one change of the file:
// its cost grows with their number, where reading and writing them one by one
// through the key grows with its square on a large file. Only the linking
// fields change, to values the owner holds, so their rules hold by the owner's.
int RelationManager::cascadeAtOnce(const Relation& link, const std::vector<LinkedField>& linked, const Record& after,
                                   IntegrityFailure& failure) {
  FileManager& m = *me_;
  Record match(m.table()), replacement(m.table());
  std::vector<int> fields;
  for (std::size_t i = 0; i < link.pairs.size(); ++i) {
    const FieldPair& p = link.pairs[i];
    match.setValue(*p.other, linked[i].value);
    replacement.setValue(*p.other, linkedValue(after.value(p.mine->number), *p.other).value_or(blankValue(*p.other)));
    fields.push_back(p.other->number);
  }
  qint64 changed = 0;
  m.setError(0);
  if (m.file().replaceAll(fields, match, replacement, changed) == kFileOk) return kLevelBenign;
  m.setError(FileManager::kMsgPutError);
  return failure.at(m, kLevelNotice);
}

}  // namespace bv
