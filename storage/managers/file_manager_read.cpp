// Reading: in sequence, by key, by position.
#include "storage/managers/file_manager.h"

namespace bv {
namespace {

// How often a read in sequence tries again on a record held by another station
// before it reports it, when held records are skipped: the file layer holds the
// whole file, so reading on waits for the holder rather than passing a record.
constexpr int kHeldRecordTries = 3;

}  // namespace

int FileManager::next() { return withMessage(tryNext()); }

int FileManager::previous() { return withMessage(tryPrevious()); }

// The end of the file is no failure to report, and a failure of use() was
// reported already.
int FileManager::withMessage(int result) {
  const ManagerContext& c = context();
  return result == kLevelBenign || c.endOfFile || c.lastError.shown ? result : raiseStored();
}

int FileManager::tryNext() { return read(true); }

int FileManager::tryPrevious() { return read(false); }

int FileManager::read(bool forward) {
  const int used = use();
  if (used != kLevelBenign) return used;
  ManagerContext& c = context();
  c.lastError = {};
  c.endOfFile = false;
  for (int tries = 1;; ++tries) {
    const int code = forward ? c.file->next(c.buffer) : c.file->previous(c.buffer);
    switch (code) {
      case kFileOk:
        return kLevelBenign;
      case kRecordNotAvailable:
        c.endOfFile = true;
        return kLevelNotice;
      case kRecordHeld:
        if (skipHeldRecords_ && tries < kHeldRecordTries) continue;
        setError(kMsgRecordHeld);
        return kLevelNotice;
      default:
        setError(kMsgRetrieval);
        return kLevelFatal;
    }
  }
}

int FileManager::fetch(const KeyDef& key) {
  const int result = tryFetch(key);
  if (result == kLevelBenign) return result;
  buffer().clear();
  return errorNumber() == kMsgRetrieval ? raiseStored() : result;
}

int FileManager::tryFetch(const KeyDef& key) {
  const int used = use();
  if (used != kLevelBenign) return used;
  ManagerContext& c = context();
  c.lastError = {};
  const int code = c.file->get(key, c.buffer);
  if (code == kFileOk) return kLevelBenign;
  if (code == kRecordNotFound) return kLevelNotice;
  setError(kMsgRetrieval);
  return kLevelFatal;
}

int FileManager::setPosition(const KeyDef& key) {
  const int used = use();
  if (used != kLevelBenign) return used;
  ManagerContext& c = context();
  c.endOfFile = false;
  if (c.file->setPosition(key, c.buffer) == kFileOk) return kLevelBenign;
  setError(kMsgRetrieval);
  return kLevelFatal;
}

int FileManager::setPosition(const KeyDef* key, FileEdge edge) {
  const int used = use();
  if (used != kLevelBenign) return used;
  ManagerContext& c = context();
  c.endOfFile = false;
  if (c.file->setPosition(key, edge) == kFileOk) return kLevelBenign;
  setError(kMsgRetrieval);
  return kLevelFatal;
}

int FileManager::reget(RecordPosition position) {
  const int used = use();
  if (used != kLevelBenign) return used;
  ManagerContext& c = context();
  const int code = c.file->reget(position, c.buffer);
  if (code == kFileOk) return kLevelBenign;
  if (code == kRecordNotFound) return kLevelNotice;
  setError(kMsgRetrieval);
  return kLevelFatal;
}

RecordPosition FileManager::position() {
  ManagerContext& c = context();
  return c.file ? c.file->position() : 0;
}

void FileManager::watch() { file().watch(); }

}  // namespace bv
