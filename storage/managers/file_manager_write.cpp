// Writing: insert, update, delete, and values stored into the buffer.
#include "storage/managers/file_manager.h"

#include "storage/dictionary/primed_values.h"

namespace bv {

int FileManager::insert() { return addRecord(true); }

int FileManager::tryInsert() { return addRecord(false); }

int FileManager::addRecord(bool withMessages) {
  const int used = use();
  if (used != kLevelBenign) return used;
  ManagerContext& c = context();
  c.lastError = {};
  // An invalid record is not written; its failure is kept for raiseStored().
  if (validateRecord(false) != 0) return kLevelNotice;
  // A number not reserved yet is found now; the search adds the record.
  if (hasAutoInc_ && !c.placeholder) return autoNumber(false, withMessages);

  int code = kFileOk;
  if (c.placeholder) {
    // Write over the reserved placeholder, wherever the cursor went since.
    Record scratch(table_);
    code = c.file->reget(c.placeholderPosition, scratch);
    if (code == kFileOk) code = c.file->put(c.buffer);
  } else {
    code = c.file->add(c.buffer);
  }
  if (code == kFileOk) {
    keepPlaceholder(c, false, 0);
    return kLevelBenign;
  }
  if (code == kDuplicateKey)
    storeDuplicate();
  else
    setError(kMsgAddError);
  return fail(withMessages);
}

// Message 13 names the first unique key on which the buffer collides.
void FileManager::storeDuplicate() {
  StoredError error{kMsgDuplicateKey, {}, {}, currentRuntimeError()};
  if (const ManagerKey* dup = findDuplicateKey(buffer())) error.messageText = dup->description;
  context().lastError = std::move(error);
}

const ManagerKey* FileManager::findDuplicateKey(const Record& record) {
  KeyedFile& f = file();
  if (const KeyDef* dup = f.duplicateKey(record))
    for (const ManagerKey& k : keys_)
      if (k.key->number == dup->number) return &k;
  // The layer leaves the current record out of its check (it serves a rewrite
  // of it); after a failed add the current record may be the one collided with.
  // Look each unique key up instead, leaving the cursor where it was.
  int saved = saveFile();
  const ManagerKey* found = nullptr;
  for (const ManagerKey& k : keys_) {
    if (k.duplicates || (k.key->excludesBlank && record.isBlank(*k.key))) continue;
    Record probe = record;
    if (f.get(*k.key, probe) == kFileOk) {
      found = &k;
      break;
    }
  }
  restoreFile(saved, false);
  return found;
}

void FileManager::keepPlaceholder(ManagerContext& c, bool reserved, RecordPosition position) {
  c.placeholder = reserved;
  c.placeholderPosition = reserved ? position : 0;
  c.reserved.clear();
  if (!reserved) return;
  for (const ManagerKey& k : keys_)
    if (k.autoNumber) c.reserved.push_back(c.buffer.value(k.key->components.back()));
}

// ---- priming and auto-numbering ------------------------------------------------

void FileManager::primeFields() { bv::primeFields(buffer()); }

int FileManager::primeRecord(bool keepBuffer) {
  ManagerContext& c = context();
  if (!keepBuffer) {
    c.buffer.clear();
    // A number already reserved stays in the record it was reserved for.
    std::size_t i = 0;
    for (const ManagerKey& k : keys_)
      if (k.autoNumber && i < c.reserved.size()) c.buffer.setValue(k.key->components.back(), c.reserved[i++]);
  }
  primeFields();
  return hasAutoInc_ ? primeAutoNumber() : kLevelBenign;
}

int FileManager::primeAutoNumber() { return reserveNumber(true); }

int FileManager::tryPrimeAutoNumber() { return reserveNumber(false); }

int FileManager::reserveNumber(bool withMessages) {
  if (!hasAutoInc_ || context().placeholder) return kLevelBenign;
  const int used = use();
  if (used != kLevelBenign) return used;
  context().lastError = {};
  return autoNumber(true, withMessages);
}

// Numbers the buffer and adds it at once: as the placeholder that reserves the
// number, or as the finished record. Another station may take the same number
// between search and add; only a collision on the numbered key starts the
// search again, three rounds at a time.
int FileManager::autoNumber(bool placeholder, bool withMessages) {
  ManagerContext& c = context();
  for (;;) {
    RuntimeError lastCollision;
    for (int round = 0; round < kAutoNumberRounds; ++round) {
      const int numbered = numberBuffer();
      if (numbered != kLevelBenign) return fail(withMessages, numbered);
      const int code = c.file->add(c.buffer, placeholder);
      if (code == kFileOk) {
        keepPlaceholder(c, placeholder, c.file->position());
        return kLevelBenign;
      }
      if (code != kDuplicateKey) {
        setError(kMsgAddError);
        return fail(withMessages);
      }
      lastCollision = currentRuntimeError();
      // A placeholder is left out of every other unique key, so it can only
      // collide on the numbered one.
      if (!placeholder && !collidesOnAutoNumber(c.buffer)) {
        setRuntimeError(lastCollision);
        storeDuplicate();
        return fail(withMessages);
      }
    }
    setRuntimeError(lastCollision);
    setError(kMsgAutoNumber);
    if (!withMessages || raiseStored() != kLevelBenign) return kLevelNotice;
  }
}

bool FileManager::collidesOnAutoNumber(const Record& record) {
  for (const ManagerKey& k : keys_)
    if (k.autoNumber && file().isDuplicate(*k.key, record)) return true;
  return false;
}

// Stores the next number of every auto-numbered key in the buffer. The search
// reads placeholders too (the numbers other stations reserved) and leaves the
// cursor, the memo and the buffer's other fields as they were.
int FileManager::numberBuffer() {
  ManagerContext& c = context();
  int saved = saveFile();
  c.file->setMemoSuppressed(true);
  c.file->setPlaceholderSearch(true);
  std::vector<std::pair<const ManagerKey*, Decimal>> numbers;
  int result = kLevelBenign;
  for (const ManagerKey& k : keys_) {
    if (!k.autoNumber) continue;
    Decimal number;
    result = nextNumber(k, number);
    if (result != kLevelBenign) break;
    numbers.emplace_back(&k, number);
  }
  restoreFile(saved, false);
  if (result != kLevelBenign) return result;
  for (const auto& [k, number] : numbers) {
    const FieldDef& f = *k->components.back().field;
    if (c.buffer.setDecimal(f.number, number) == SetResult::TooLarge) {
      // Every number the field holds is taken.
      setError(kMsgTooLarge, f.largestText(), f.messageText);
      return kLevelNotice;
    }
  }
  return kLevelBenign;
}

// The last value of the key plus one. For a key of several components, the
// leading ones keep the buffer's values and the number counts among the records
// that share them.
int FileManager::nextNumber(const ManagerKey& k, Decimal& number) {
  ManagerContext& c = context();
  const KeyDef& key = *k.key;
  const int last = key.components.back();
  int code = kFileOk;
  if (key.components.size() == 1) {
    code = c.file->setPosition(&key, FileEdge::End);
  } else {
    Record probe = c.buffer;
    Record highest(table_);
    clearRecord(highest, ClearValue::Highest);
    probe.setValue(last, highest.value(last));
    code = c.file->setPosition(key, probe);
  }
  Record found(table_);
  if (code == kFileOk) code = c.file->previous(found);
  if (code == kRecordNotAvailable) {
    number = 1;
    return kLevelBenign;
  }
  if (code != kFileOk) {
    setError(kMsgRetrieval);
    return kLevelFatal;
  }
  for (std::size_t i = 0; i + 1 < key.components.size(); ++i)
    if (found.value(key.components[i]) != c.buffer.value(key.components[i])) {
      number = 1;
      return kLevelBenign;
    }
  number = found.decimal(last) + Decimal(1);
  return kLevelBenign;
}

int FileManager::cancelAutoNumber() {
  ManagerContext& c = context();
  if (!c.placeholder) return kLevelBenign;
  const int used = use();
  if (used != kLevelBenign) return used;
  int saved = saveFile();
  Record scratch(table_);
  int code = c.file->reget(c.placeholderPosition, scratch);
  if (code == kFileOk) code = c.file->remove();
  restoreFile(saved, false);
  keepPlaceholder(c, false, 0);
  // A placeholder already gone (another station's cleanup) is no failure.
  if (code == kFileOk || code == kRecordNotFound) return kLevelBenign;
  setError(kMsgDeleteError);
  return kLevelNotice;
}

// ---- update and delete ---------------------------------------------------------

int FileManager::update(bool longForm) { return putRecord(longForm, true); }

int FileManager::tryUpdate(bool longForm) { return putRecord(longForm, false); }

int FileManager::putRecord(bool longForm, bool withMessages) {
  const int used = use();
  if (used != kLevelBenign) return used;
  ManagerContext& c = context();
  c.lastError = {};
  if (validateRecord(false) != 0) return kLevelUser;
  const RecordPosition at = c.file->position();
  const int code = c.file->put(c.buffer);
  if (code == kFileOk) {
    if (c.placeholder && at == c.placeholderPosition) keepPlaceholder(c, false, 0);
    return kLevelBenign;
  }
  if (code == kRecordChanged) {
    setError(longForm ? kMsgChangedLong : kMsgChanged);
    if (withMessages) raiseStored();
    // Show the other station's values, and watch them for the next change.
    c.file->watch();
    c.file->reget(at, c.buffer);
    return kLevelNotice;
  }
  setError(kMsgPutError);
  return fail(withMessages);
}

int FileManager::deleteRecord(bool withMessages) {
  const int used = use();
  if (used != kLevelBenign) return used;
  ManagerContext& c = context();
  c.lastError = {};
  const RecordPosition at = c.file->position();
  const int code = c.file->remove();
  if (code == kFileOk) {
    if (c.placeholder && at == c.placeholderPosition) keepPlaceholder(c, false, 0);
    return kLevelBenign;
  }
  setError(kMsgDeleteError);
  return fail(withMessages);
}

// ---- values --------------------------------------------------------------------

int FileManager::assign(FieldSelector field, const FieldValue& value, int index, bool withMessages) {
  Record& b = buffer();
  const SetResult result = b.setValue(field, value, index);
  if (isStored(result)) return kLevelBenign;
  const FieldDef* f = field.resolve(table_);
  if (result == SetResult::TooLarge && f) {
    // Refused, never cut: the message names the field's limit on that side.
    const auto* d = std::get_if<Decimal>(&value);
    const bool below = d && d->isNegative();
    setError(below ? kMsgTooSmall : kMsgTooLarge,
             below ? (-f->largest()).toQString(f->places) : f->largestText(), f->messageText);
    return fail(withMessages);
  }
  return kLevelUser;
}

}  // namespace bv
