// Set-up, open and close over the relation graph, quick scan, remembered links.
#include "storage/relations/relation_manager.h"

#include <algorithm>

#include "storage/relations/table_guards.h"

namespace bv {

RelationManager::RelationManager(FileManager& me, bool useLogout, RelationPasses& passes)
    : me_(&me), useLogout_(useLogout), passes_(passes) {}

RelationManager::~RelationManager() { RelationManager::destroy(); }

void RelationManager::destroy() {
  relations_.clear();
  aliases_.clear();
  remembered_.clear();
}

// ---- set-up ----------------------------------------------------------------------

void RelationManager::addRelation(RelationManager& other, RelationAction onUpdate, RelationAction onDelete,
                                  const KeyDef& otherKey) {
  relations_.push_back({&other, &otherKey, onUpdate, onDelete, {}});
}

void RelationManager::addRelation(RelationManager& other) { relations_.push_back({&other, nullptr, {}, {}, {}}); }

void RelationManager::addFieldPair(const QString& mine, const QString& other) {
  if (relations_.empty()) qFatal("%s: field pair without relation", qPrintable(me_->table().label));
  const FieldDef* a = me_->table().field(QStringView(mine));
  const FieldDef* b = relations_.back().other->me().table().field(QStringView(other));
  if (!a || !b) qFatal("%s: unknown field pair %s = %s", qPrintable(me_->table().label), qPrintable(mine), qPrintable(other));
  addFieldPair(*a, *b);
}

void RelationManager::addFieldPair(const FieldDef& mine, const FieldDef& other) {
  if (relations_.empty()) qFatal("%s: field pair without relation", qPrintable(me_->table().label));
  relations_.back().pairs.push_back({&mine, &other});
}

void RelationManager::setAlias(RelationManager& base) {
  aliasFile_ = &base;
  if (std::find(base.aliases_.begin(), base.aliases_.end(), this) == base.aliases_.end())
    base.aliases_.push_back(this);
}

const Relation* RelationManager::relationTo(const RelationManager& other) const {
  for (const Relation& r : relations_)
    if (r.owned() && r.other == &other) return &r;
  return nullptr;
}

std::vector<RelationManager*> RelationManager::family() {
  RelationManager* base = aliasFile_ ? aliasFile_ : this;
  std::vector<RelationManager*> out{base};
  out.insert(out.end(), base->aliases_.begin(), base->aliases_.end());
  return out;
}

// ---- open and close --------------------------------------------------------------

int RelationManager::open() { return openFrom(passes_.next(), true); }

int RelationManager::openFrom(long pass, bool root) {
  if (lastTouched_ == pass) return kLevelBenign;
  lastTouched_ = pass;
  if (const int level = me_->open(); level != kLevelBenign) return level;
  // The table itself is opened at once, the related ones on first use.
  if (root)
    if (const int level = me_->use(); level != kLevelBenign) return level;
  for (const Relation& r : relations_)
    if (const int level = r.other->openFrom(pass, false); level != kLevelBenign) return level;
  return kLevelBenign;
}

int RelationManager::close() {
  closeFrom(passes_.next());
  return kLevelBenign;
}

void RelationManager::closeFrom(long pass) {
  if (lastTouched_ == pass) return;
  lastTouched_ = pass;
  me_->close();
  for (const Relation& r : relations_) r.other->closeFrom(pass);
}

namespace {
QString quickScanOption(bool on) { return on ? QStringLiteral("QUICKSCAN=on") : QStringLiteral("QUICKSCAN=off"); }
}  // namespace

void RelationManager::setQuickScan(bool on, bool relatedToo) {
  if (!relatedToo) {
    me_->file().sendOption(quickScanOption(on));
    return;
  }
  quickScanFrom(passes_.next(), on);
}

void RelationManager::quickScanFrom(long pass, bool on) {
  if (lastTouched_ == pass) return;
  lastTouched_ = pass;
  me_->file().sendOption(quickScanOption(on));
  for (const Relation& r : relations_) r.other->quickScanFrom(pass, on);
}

// ---- linking values ----------------------------------------------------------------

void RelationManager::rememberLinks() {
  remembered_[ExecutionContext::current()] = {me_->position(), me_->buffer()};
}

Record RelationManager::linksBefore(RecordPosition position) {
  const auto it = remembered_.find(ExecutionContext::current());
  if (it != remembered_.end() && it->second.position == position && position != 0) return it->second.record;
  // Nothing remembered for this record: the stored record is what its linked
  // records still refer to.
  Record stored(me_->table());
  if (readStoredRecord(*me_, position, stored) != kFileOk) return me_->buffer();
  return stored;
}

void RelationManager::restoreLinks(const Record& before) {
  Record& b = me_->buffer();
  for (RelationManager* member : family())
    for (const Relation& r : member->relations_)
      if (r.owned() && r.onUpdate != RelationAction::None)
        for (const FieldPair& p : r.pairs) b.setValue(p.mine->number, before.value(p.mine->number));
}

// ---- transactions ------------------------------------------------------------------

void RelationManager::collectReached(Change change, long pass, std::vector<RelationManager*>& changed,
                                     std::vector<RelationManager*>& checked) {
  if (lastTouched_ == pass) return;
  lastTouched_ = pass;
  changed.push_back(this);
  for (RelationManager* member : family())
    for (const Relation& r : member->relations_) {
      if (!r.owned()) continue;
      const RelationAction action = change == Change::Update ? r.onUpdate : r.onDelete;
      if (action == RelationAction::Clear || action == RelationAction::Cascade)
        r.other->collectReached(change, pass, changed, checked);
      else if (action == RelationAction::Restrict)
        checked.push_back(r.other);
    }
}

int RelationManager::startTransaction(Change change, TablesInUse& tables, IntegrityTransaction& transaction,
                                      IntegrityFailure& failure) {
  if (!useLogout_) return kLevelBenign;
  std::vector<RelationManager*> changed, checked;
  collectReached(change, passes_.next(), changed, checked);
  // Every table the operation reaches is opened before the transaction starts:
  // a file used for the first time creates its table, which must not be undone
  // by the operation's rollback.
  for (const auto* list : {&changed, &checked})
    for (RelationManager* r : *list) {
      if (const int level = tables.ensure(r->me()); level != kLevelBenign) return failure.shown(level);
      if (const int level = r->me().use(); level != kLevelBenign) return failure.shown(level);
    }
  for (RelationManager* r : changed)
    if (const int level = transaction.mark(r->me(), failure); level != kLevelBenign) return level;
  return transaction.begin(*me_, failure);
}

}  // namespace bv
