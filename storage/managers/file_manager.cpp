// Set-up, per-context state, messages, and the open, use and close of a file
// with its procedure scope.
#include "storage/managers/file_manager.h"

#include <QFileInfo>

#include "storage/managers/record_binding.h"

namespace bv {

FileManager::FileManager(const TableDef& table, FileLayer& layer, ErrorManager& errors,
                         ProcedureScopes& scopes, RuleLookup& lookup, FileManager* aliasedFile)
    : aliasedFile_(aliasedFile),
      errors_(errors),
      layer_(layer),
      table_(table),
      scopes_(scopes),
      lookup_(lookup) {
  FileManager::construct();
}

FileManager::~FileManager() {
  if (!cleanedUp_) FileManager::release();
}

// ---- set-up --------------------------------------------------------------------

void FileManager::construct() {
  // The defaults of every manager ...
  create_ = false;
  lazyOpen_ = true;
  lockRecover_ = 10;
  openMode_ = kShareDenyNone;
  skipHeldRecords_ = false;
  fileNameValue_ = table_.fileName.left(256);
  cleanedUp_ = false;

  // ... then what the table's dictionary entry gives: the name messages show
  // (the fixed file name, else the label), the record, creation of a missing
  // file, the share code and the keys.
  fileNameValue_ = table_.fileNameValue.left(256);
  create_ = true;
  openMode_ = table_.shareCode;
  fields_.clear();
  fieldTypes_.clear();
  for (const FieldDef& f : table_.fields) {
    fields_.push_back(&f);
    fieldTypes_.push_back(f.type);
  }
  ruleFields_.assign(table_.fieldCount() + 1, false);
  for (const FieldRule& rule : table_.physical().rules)
    if (rule.field >= 1 && rule.field <= table_.fieldCount()) ruleFields_[rule.field] = true;

  keys_.clear();
  primaryKey_ = 0;
  hasAutoInc_ = false;
  for (const KeyDef& k : table_.keys) {
    ManagerKey mk;
    mk.key = &k;
    mk.description = k.description.left(ManagerKey::kDescriptionLength);
    mk.autoNumber = k.autoNumber;
    mk.duplicates = k.duplicates();
    mk.ignoresCase = k.ignoresCase;
    for (int number : k.components) {
      const FieldDef* f = table_.field(number);
      const bool upper = k.ignoresCase && f->type == FieldType::String;
      mk.components.push_back({f, true, upper ? QStringLiteral("UPPER(") + f->label + u')' : f->label});
    }
    keys_.push_back(std::move(mk));
    if (k.primary) primaryKey_ = static_cast<int>(keys_.size());
    if (k.autoNumber) hasAutoInc_ = true;
  }
}

const ManagerKey* FileManager::key(QStringView label) const {
  for (const ManagerKey& k : keys_)
    if (QStringView(k.key->label).compare(label, Qt::CaseInsensitive) == 0) return &k;
  return nullptr;
}

const KeyDef& FileManager::keyDef(QStringView label) const {
  const ManagerKey* k = key(label);
  if (!k) qFatal("%s has no key %s", qPrintable(table_.label), qPrintable(label.toString()));
  return *k->key;
}

void FileManager::destroy() { release(); }

void FileManager::release() {
  for (auto& [id, c] : contexts_)
    if (c->file && c->file->isOpen()) c->file->close();
  contexts_.clear();
  last_ = nullptr;
  lastId_ = 0;
  scopes_.forget(this);
  cleanedUp_ = true;
}

void FileManager::fileEvent(FileEvent event) {
  ManagerContext& c = context();
  if (c.inCallback) return;
  c.inCallback = true;
  switch (event) {
    case FileEvent::Closed:
      c.openCount = 0;
      while (const ProcedureScopeRow* row = scopes_.last(ExecutionContext::current(), this))
        scopes_.remove(row);
      if (c.file && c.file->isOpen()) c.file->close();
      c.opened = false;
      c.inCallback = false;
      break;
    case FileEvent::Destroyed:
      c.inCallback = false;
      release();  // the context's state goes with it
      break;
  }
}

void FileManager::fileEventDone(FileEvent) {}

void FileManager::bindFields(FilterFunctionBinding& binding) {
  bindRecordFields(binding, table_, [this]() -> const Record& { return buffer(); });
}

bool FileManager::skipRecord() { return false; }

// ---- per-context state ---------------------------------------------------------

ManagerContext& FileManager::context() {
  const ContextId id = ExecutionContext::current();
  if (last_ && id == lastId_) return *last_;
  return context(id);
}

ManagerContext& FileManager::context(ContextId id) {
  std::unique_ptr<ManagerContext>& slot = contexts_[id];
  if (!slot) {
    slot = std::make_unique<ManagerContext>();
    slot->buffer = Record(table_);
  }
  lastId_ = id;
  last_ = slot.get();
  return *slot;
}

Record& FileManager::buffer() { return context().buffer; }

KeyedFile& FileManager::file() {
  ManagerContext& c = context();
  if (!c.file) c.file = layer_.file(table_);
  return *c.file;
}

int FileManager::openCount() { return context().openCount; }
bool FileManager::isOpen() { return context().opened; }
bool FileManager::endOfFile() { return context().endOfFile; }
bool FileManager::hasPlaceholder() { return context().placeholder; }
RecordPosition FileManager::placeholderPosition() { return context().placeholderPosition; }
int FileManager::errorNumber() { return context().lastError.number; }
void FileManager::setErrorNumber(int number) { context().lastError.number = number; }

void FileManager::dropContext(ContextId id) {
  const auto it = contexts_.find(id);
  if (it == contexts_.end()) return;
  if (it->second->file && it->second->file->isOpen()) it->second->file->close();
  contexts_.erase(it);
  last_ = nullptr;
  lastId_ = 0;
  while (const ProcedureScopeRow* row = scopes_.last(id, this)) scopes_.remove(row);
}

// ---- messages ------------------------------------------------------------------

QString FileManager::name() const { return fileName_ ? fileName_() : fileNameValue_; }

void FileManager::setError(int number, const QString& messageText, const QString& fieldText) {
  context().lastError = {number, messageText, fieldText, currentRuntimeError()};
}

int FileManager::raise(int number) {
  errors_.setFileName(name());
  return errors_.raise(number);
}

int FileManager::raiseWithMessage(int number, const QString& text) {
  errors_.setFileName(name());
  return errors_.raiseWithMessage(number, text);
}

int FileManager::raiseStored() {
  ManagerContext& c = context();
  const StoredError error = c.lastError;
  c.lastError.shown = true;
  return raiseFailure(error);
}

int FileManager::raiseFailure(const StoredError& error) {
  if (error.number == 0) return kLevelBenign;
  // The message reports the error of the call that failed, not of a later one.
  setRuntimeError(error.runtime);
  if (!error.fieldText.isEmpty()) errors_.setFieldText(error.fieldText);
  if (!error.messageText.isEmpty()) return raiseWithMessage(error.number, error.messageText);
  return raise(error.number);
}

int FileManager::fail(bool withMessages, int failLevel) { return withMessages ? raiseStored() : failLevel; }

// ---- open, use, close ----------------------------------------------------------

int FileManager::open() { return countOpen(true); }

int FileManager::tryOpen() { return countOpen(false); }

int FileManager::countOpen(bool withMessages) {
  ManagerContext& c = context();
  ++c.openCount;
  enterScope();
  if (!lazyOpen_ && !c.opened) {
    const int result = openFile(withMessages);
    if (result != kLevelBenign) {
      leaveScope();
      --c.openCount;
      return result;
    }
  }
  return kLevelBenign;
}

int FileManager::use() {
  ManagerContext& c = context();
  if (c.openCount == 0) {
    setError(kMsgUseError);
    return raiseStored();
  }
  if (c.opened || c.inUseFile) return kLevelBenign;
  c.inUseFile = true;
  const Record kept = c.buffer;
  const int result = openFile(true);
  c.buffer = kept;
  c.inUseFile = false;
  if (result == kLevelBenign)
    if (ProcedureScopeRow* row = scopes_.last(ExecutionContext::current(), this)) row->ustat = 2;
  return result;
}

// Opens the context's handle: lock recovery, creation of a missing file,
// read-only when another station keeps the file to itself, and a key rebuild
// for a damaged file.
int FileManager::openFile(bool withMessages) {
  ManagerContext& c = context();
  KeyedFile& f = file();
  int share = openMode_;
  bool created = false;
  bool rebuilt = false;
  for (;;) {
    int code = f.open(share);
    if (code == kFileAccessDenied) {
      f.sendOption(QStringLiteral("Recover=") + QString::number(lockRecover_));
      code = f.open(share);
    }
    switch (code) {
      case kFileOk:
      case kFileAlreadyOpen:
        c.opened = true;
        return kLevelBenign;
      case kFileNotFound:
        if (!create_ || created) {
          setError(kMsgAccessError);
          return fail(withMessages);
        }
        created = true;
        if (f.create() != kFileOk) {
          setError(kMsgCreateError);
          return fail(withMessages);
        }
        continue;
      case kFileAccessDenied:
        if ((share & 0x0F) == 0) {
          setError(kMsgAccessError);
          return fail(withMessages);
        }
        // Keep the sharing, read only; the user is always told.
        share &= 0xF0;
        setError(kMsgReadOnly);
        raiseStored();
        continue;
      case kKeyNeedsRebuild:
        if (rebuilt) {
          setError(kMsgRebuildFailed);
          return fail(withMessages);
        }
        setError(kMsgInvalidKey);
        if (!withMessages) return kLevelNotice;
        raiseStored();
        f.close();
        rebuilt = true;
        if (f.rebuildKeys() != kFileOk) {
          setError(kMsgRebuildFailed);
          return raiseStored();
        }
        tellRebuild(f.lastRebuild());
        continue;
      default:
        setError(kMsgAccessError);
        return fail(withMessages);
    }
  }
}

// After a rebuild that had to copy the records into a fresh file the user is
// told what was kept and what was lost, and where the damaged file stays.
void FileManager::tellRebuild(const RebuildReport& report) {
  if (!report.copied) return;
  QString text = QStringLiteral("La tabla %1 fue reparada copiando sus registros legibles a un archivo nuevo.|")
                     .arg(name());
  text += QStringLiteral("Registros conservados: %1.|").arg(report.kept);
  text += report.unreadable >= 0
              ? QStringLiteral("Registros que no pudieron recuperarse: %1.|").arg(report.unreadable)
              : QStringLiteral("No se pudo determinar cuántos registros se perdieron.|");
  text += QStringLiteral("El archivo dañado se conserva como %1.").arg(QFileInfo(report.damagedCopy).fileName());
  errors_.showMessage(text, QStringLiteral("Tabla Reparada"), MessageIcon::Exclamation, kButtonOk);
}

int FileManager::close() {
  ManagerContext& c = context();
  if (c.openCount == 0 || c.inClose) return kLevelBenign;
  c.inClose = true;
  leaveScope();
  if (--c.openCount == 0) {
    if (c.file && c.file->isOpen()) c.file->close();
    c.opened = false;
    c.endOfFile = false;
  }
  c.inClose = false;
  return kLevelBenign;
}

// ---- procedure scope -----------------------------------------------------------

void FileManager::enterScope() {
  const ContextId id = ExecutionContext::current();
  const QString proc = errors_.procedureName();
  if (ProcedureScopeRow* row = scopes_.find(id, this, proc)) {
    ++row->nestedOpen;
    return;
  }
  ProcedureScopeRow row;
  row.thread = id;
  row.table = this;
  row.proc = proc;
  row.ustat = 1;
  row.scopeLevel = scopes_.rowsOf(id, this) + 1;
  // An earlier procedure of this context uses the table: keep its state.
  if (row.scopeLevel > 1) {
    row.id = saveFile();
    row.hold = true;
  }
  scopes_.add(std::move(row));
}

void FileManager::leaveScope() {
  const ContextId id = ExecutionContext::current();
  ProcedureScopeRow* row = scopes_.find(id, this, errors_.procedureName());
  if (!row) row = scopes_.last(id, this);
  if (!row || --row->nestedOpen > 0) return;
  int saved = row->hold ? row->id : 0;
  scopes_.remove(row);
  if (saved != 0) {
    ManagerContext& c = context();
    c.inRestore = true;
    restoreFile(saved, true);
    c.inRestore = false;
  }
}

}  // namespace bv
