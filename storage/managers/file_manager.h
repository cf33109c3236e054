#pragma once
// The file manager of one table or alias: the only way windows and processes
// reach a table's file. It opens the file lazily (physically on first use),
// counts opens per execution context, keeps a record buffer and a position per
// context, numbers auto-numbered keys, validates records by the table's field
// rules, detects records changed by another station and turns the file layer's
// codes into numbered messages.
//
// One class serves every table: what differs per table (file name, keys, field
// rules, primed values, the memo bound with the fields) comes from the table's
// dictionary entry. Every operation answers a level: 0 done, 1 declined or
// invalid, 3 fatal, 4 a question answered no, 5 failed (its message shown, or
// not wanted). The operations named "try" show no message of their own: they
// store its number for raiseStored(); the first use of a table still reports a
// table never opened, or one that cannot be opened.
//
// Like the file layer, a manager is used from the one thread that runs every
// execution context.
#include <QString>
#include <QStringView>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "runtime/filter/filter_binding.h"
#include "storage/dictionary/field_rule_checker.h"
#include "storage/dictionary/table_def.h"
#include "storage/errors/error_manager.h"
#include "storage/filelayer/file_layer.h"
#include "storage/managers/manager_context.h"
#include "storage/managers/manager_key.h"
#include "storage/managers/procedure_scopes.h"

namespace bv {

// What the owner of the file layer tells a manager about its file.
enum class FileEvent {
  Closed,     // the file was closed under the manager: counts reset, manager closes
  Destroyed,  // the file goes away: the manager releases its lists
};

class FileManager {
 public:
  // The message numbers the manager raises.
  enum Message : int {
    kMsgRetrieval = 1,
    kMsgReadOnly = 2,
    kMsgAddError = 4,
    kMsgChanged = 6,
    kMsgChangedLong = 7,
    kMsgCreateError = 10,
    kMsgDeleteError = 11,
    kMsgDuplicateKey = 13,
    kMsgTooLarge = 17,
    kMsgTooSmall = 18,
    kMsgAccessError = 23,
    kMsgPutError = 25,
    kMsgRebuildFailed = 26,
    kMsgInvalidKey = 27,
    kMsgRecordHeld = 28,
    kMsgAutoNumber = 32,
    kMsgUseError = 39,
  };

  // The manager of `table` on `layer`. For an alias, `aliasedFile` is the base
  // table's manager. `lookup` reaches the buffers of the tables that field rules
  // look up (the registry of all managers); `scopes` is the shared procedure
  // scope list. The manager is set up from the dictionary at once.
  FileManager(const TableDef& table, FileLayer& layer, ErrorManager& errors, ProcedureScopes& scopes,
              RuleLookup& lookup, FileManager* aliasedFile = nullptr);
  virtual ~FileManager();
  FileManager(const FileManager&) = delete;
  FileManager& operator=(const FileManager&) = delete;

  // ---- virtual operations, in slot order --------------------------------------
  virtual void fileEvent(FileEvent event);      // 0
  virtual void fileEventDone(FileEvent event);  // 1
  virtual void destroy();                       // 2
  // Makes the record's fields and memo known by label to filters; the values are
  // read from the evaluating context's buffer.
  virtual void bindFields(FilterFunctionBinding& binding);  // 3
  // Deletes the reserved placeholder and clears the flag.
  virtual int cancelAutoNumber();  // 4
  virtual int close();             // 5
  // Does the buffer equal a saved copy (saveBuffer)?
  virtual bool equalBuffer(int savedBuffer);  // 6
  // Fetches by the key values in the buffer; when none matches, the buffer is
  // cleared (level 5, no message).
  virtual int fetch(const KeyDef& key);  // 7
  // Sets the defaults and the per-table set-up from the dictionary.
  virtual void construct();  // 8
  virtual int insert();      // 9
  // Releases the lists: closes every context's handle, frees saved states and
  // leaves the procedure scope list.
  virtual void release();  // 10
  virtual int next();      // 11
  // Counts an open for the calling context (physically opened on first use).
  virtual int open();                                             // 12
  virtual int previous();                                         // 13
  virtual int primeAutoNumber();                                  // 14
  virtual void primeFields();                                     // 15
  virtual int primeRecord(bool keepBuffer = false);               // 16
  virtual int raise(int number);                                  // 17
  virtual int raiseStored();                                      // 18
  virtual int raiseWithMessage(int number, const QString& text);  // 19
  virtual int tryFetch(const KeyDef& key);                        // 20
  virtual int tryInsert();                                        // 21
  virtual int tryNext();                                          // 22
  virtual int tryOpen();                                          // 23
  virtual int tryPrevious();                                      // 24
  virtual int tryPrimeAutoNumber();                               // 25
  // The long form of the changed-record message tells that the other station's
  // values are shown now.
  virtual int tryUpdate(bool longForm = false);             // 26
  virtual int update(bool longForm = false);                // 27
  virtual int validateField(int field, bool withMessages);  // 28
  virtual int validateField(int field);                     // 29
  // The table's own rules for one field (from the dictionary).
  virtual int validateTableField(int field, bool withMessages);  // 30
  // Fields from..to; answers the number of the first that fails, 0 when all pass.
  virtual int validateFields(int from, int to, bool withMessages);  // 31
  virtual int validateRecord(bool withMessages = false);            // 32
  // Deletes the current record (message 11 on failure when wanted).
  virtual int deleteRecord(bool withMessages = true);  // 33
  // Whether a delete with integrity passes over the current record.
  virtual bool skipRecord();  // 34

  // ---- non-virtual operations -------------------------------------------------
  // Called by every read and write: message 39 when the context never opened the
  // table; opens physically on first use.
  int use();
  // Saves the handle's state, the current position, the placeholder flag and the
  // buffer; answers the saved number.
  int saveFile();
  // Returns to a saved state (and, when asked, to the saved buffer); releases the
  // entry and zeroes `id`.
  void restoreFile(int& id, bool restoreBuffer = false);
  // Forgets a saved state without returning to it (the operation it guarded
  // succeeded); zeroes `id`.
  void forgetFile(int& id);
  int saveBuffer();
  void restoreBuffer(int& id, bool restore = true);
  // Stores a message number (with the current runtime error) for raiseStored().
  void setError(int number, const QString& messageText = {}, const QString& fieldText = {});
  // The name messages show as %File.
  QString name() const;

  // Stores a value in a buffer field. A number too large for the field is
  // refused with message 17 (the largest value as %Message), too small with 18.
  int assign(FieldSelector field, const FieldValue& value, int index = 1, bool withMessages = true);
  // Puts the context's sequence on a key at the buffer's key values, or at an edge.
  int setPosition(const KeyDef& key);
  int setPosition(const KeyDef* key, FileEdge edge);
  // Reads the record at a position into the buffer (35 when gone: level 5).
  int reget(RecordPosition position);
  RecordPosition position();
  // Arms change detection for the next record read.
  void watch();

  // ---- properties -------------------------------------------------------------
  const TableDef& table() const { return table_; }
  FileManager* aliasedFile() const { return aliasedFile_; }
  FileLayer& layer() const { return layer_; }
  ErrorManager& errors() const { return errors_; }
  // The calling context's buffer and handle (made on first request).
  Record& buffer();
  KeyedFile& file();
  const std::vector<ManagerKey>& keys() const { return keys_; }
  const ManagerKey* key(QStringView label) const;
  // A key of the table by label; the program ends on a label it does not have.
  const KeyDef& keyDef(QStringView label) const;
  // Number of the primary key in keys() (from 1), 0 when there is none.
  int primaryKey() const { return primaryKey_; }
  bool hasAutoNumber() const { return hasAutoInc_; }
  int openMode() const { return openMode_; }
  void setOpenMode(int shareCode) { openMode_ = shareCode; }
  bool lazyOpen() const { return lazyOpen_; }
  void setLazyOpen(bool on) { lazyOpen_ = on; }
  bool skipHeldRecords() const { return skipHeldRecords_; }
  void setSkipHeldRecords(bool on) { skipHeldRecords_ = on; }
  void setCreate(bool on) { create_ = on; }
  int lockRecover() const { return lockRecover_; }
  const QString& fileNameValue() const { return fileNameValue_; }
  void setFileNameValue(const QString& name) { fileNameValue_ = name.left(256); }
  // A variable that holds the file's name at run time; it wins over the value.
  void setFileNameVariable(std::function<QString()> variable) { fileName_ = std::move(variable); }
  bool cleanedUp() const { return cleanedUp_; }

  // Per-context state of the calling context.
  int openCount();
  bool isOpen();  // physically open
  bool endOfFile();
  bool hasPlaceholder();
  RecordPosition placeholderPosition();
  int errorNumber();
  void setErrorNumber(int number);
  // Forgets the state of a context that has ended (its handle is closed).
  void dropContext(ContextId id);

 private:
  // Rounds of the auto-number search before the user is asked whether to go on.
  static constexpr int kAutoNumberRounds = 3;

  ManagerContext& context();
  ManagerContext& context(ContextId id);
  int countOpen(bool withMessages);
  int openFile(bool withMessages);
  void tellRebuild(const RebuildReport& report);
  // With messages: raises the stored message and answers its level; else `failLevel`.
  int fail(bool withMessages, int failLevel = 5);
  int raiseFailure(const StoredError& error);
  int read(bool forward);
  int withMessage(int result);
  const ManagerKey* findDuplicateKey(const Record& record);
  int addRecord(bool withMessages);
  int putRecord(bool longForm, bool withMessages);
  void storeDuplicate();
  int reserveNumber(bool withMessages);
  int autoNumber(bool placeholder, bool withMessages);
  int numberBuffer();
  int nextNumber(const ManagerKey& key, Decimal& number);
  bool collidesOnAutoNumber(const Record& record);
  void keepPlaceholder(ManagerContext& c, bool reserved, RecordPosition position);
  void enterScope();
  void leaveScope();

  // ---- the manager's fields, in the order of its data model -------------------
  // FILECALLBACKINTERFACE: the manager itself (fileEvent / fileEventDone).
  // ALIASEDFILE: the base table's manager of an alias.
  FileManager* aliasedFile_ = nullptr;
  // BUFFER, BUFFERS, INFO, SAVED, FILE: per execution context (ManagerContext);
  // the record length is table_.recordLength().
  std::unordered_map<ContextId, std::unique_ptr<ManagerContext>> contexts_;
  bool create_ = true;                   // CREATE
  ErrorManager& errors_;                 // ERRORS
  std::vector<const FieldDef*> fields_;  // FIELDS
  std::vector<FieldType> fieldTypes_;    // FIELDTYPES
  FileLayer& layer_;                     // FILE: the layer that makes each context's handle
  std::function<QString()> fileName_;    // FILENAME
  QString fileNameValue_;                // FILENAMEVALUE
  bool hasAutoInc_ = false;              // HASAUTOINC
  // INUSEFILE, INCALLBACK, INCLOSE, INRESTORE: per context (ManagerContext).
  std::vector<ManagerKey> keys_;   // KEYS
  bool lazyOpen_ = true;           // LAZYOPEN
  int lockRecover_ = 10;           // LOCKRECOVER
  int openMode_ = kShareDenyNone;  // OPENMODE
  int primaryKey_ = 0;             // PRIMARYKEY
  bool skipHeldRecords_ = false;   // SKIPHELDRECORDS
  bool cleanedUp_ = false;         // CLEANEDUP

  const TableDef& table_;
  ProcedureScopes& scopes_;
  RuleLookup& lookup_;
  // Fields that have a rule, by number: the others pass without a check.
  std::vector<bool> ruleFields_;
  int nextSavedId_ = 1;
  // The last context asked for, so that a run of calls finds its state at once.
  ContextId lastId_ = 0;
  ManagerContext* last_ = nullptr;
};

}  // namespace bv
