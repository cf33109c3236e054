#pragma once
// The keyed-file layer: the driver under the file managers. It keeps each table's
// records in a file of its own, orders them by the table's keys, numbers their
// positions, detects records changed by another station, enforces the share codes
// between stations and runs transactions over several files.
//
// Two abstract classes make the interface, so that an implementation over a
// database server can follow the SQLite one:
//   FileLayer  - the driver for one data directory (for SQLite: one connection);
//                it makes the handles and runs the transactions.
//   KeyedFile  - one handle on one table's file: open state, a cursor (current
//                key, sequence point, current record) and change detection.
//                Handles are independent: the managers keep one per execution
//                context, so two windows never move each other's cursor.
//
// Every operation that returns an int answers one of the FileCode values below
// and also leaves it as the current context's runtime error (runtime_error.h),
// with the text fileCodeText() gives; code 90 carries the file system's own text
// and code as the file error. The layer never raises numbered messages: the file
// managers turn these codes into messages by their own rules.
//
// Record positions are never reused: a deleted record's position stays unused, so
// a saved position never names another record.
//
// Auto-number placeholders: a record added as a placeholder (add(r, true)) reserves
// the number of the table's auto-numbered key before the form is filled. It is left
// out of every read, every scan and every unique key other than the auto-numbered
// one, so records being prepared on two stations at once never collide on, say, a
// blank product code. It stays in the auto-numbered key, so that the auto-number
// search of another station (setPlaceholderSearch(true)) finds the reserved number
// as the last one; reget() by position reads it too, so that its own station can
// put the finished record over it (which clears the mark) or delete it.
//
// Text in keys compares by character code (binary), components of a key that
// ignores case compare upper-cased (accented letters included); numbers and dates
// compare by value; records with equal keys keep position order.
//
// Handles and the layer are used from one thread (the GUI thread that runs every
// execution context).
#include <QString>
#include <QtGlobal>
#include <memory>
#include <vector>

#include "runtime/runtime_error.h"
#include "storage/dictionary/key_def.h"
#include "storage/dictionary/record.h"
#include "storage/dictionary/table_def.h"

namespace bv {

// The codes the layer answers.
enum FileCode : int {
  kFileOk = 0,
  kFileNotFound = 2,             // open: the file does not exist (and create was not asked)
  kFileAccessDenied = 5,         // open or write: locked by another station, read-only, no permission
  kRecordNotAvailable = 33,      // next/previous past the end; put/delete without a current record
  kRecordNotFound = 35,          // get/reget: no record with those key values or that position
  kFileNotOpen = 37,             // any operation but open/create/rebuild on a closed handle
  kDuplicateKey = 40,            // add/put: a unique key already holds those values
  kRecordHeld = 43,              // read: another station's write holds the file
  kKeyNeedsRebuild = 46,         // open or any call: the file is damaged; rebuildKeys() mends it
  kFileAlreadyOpen = 52,         // open on a handle that is already open
  kTransactionActive = 56,       // beginTransaction while one is running
  kTransactionNotSupported = 80, // markForTransaction: the file cannot join (see there)
  kRecordChanged = 89,           // put: the watched record was changed or deleted meanwhile
  kFileSystemError = 90,         // disk full, input/output error: file error text and code set
};

// The runtime's text for a code ("Registro no disponible").
QString fileCodeText(int code);

// A record's position in its file (1..); 0 = no position.
using RecordPosition = qint64;

// Where setPosition() without values puts the cursor.
enum class FileEdge {
  Start,  // next() reads the first record in the order
  End,    // previous() reads the last record in the order
};

// What clearRecord() fills a record with.
enum class ClearValue {
  Blank,    // blank texts, zero numbers, no dates, empty memo (Record::clear)
  Lowest,   // the lowest value of each field in key order
  Highest,  // the highest value of each field in key order
};

// Fills every field of `record` with its blank, lowest or highest value, so that a
// key can be positioned before or after every record with the same leading
// components (the auto-number search of a key with several components).
void clearRecord(Record& record, ClearValue value);

// What the last rebuildKeys() of a handle did.
struct RebuildReport {
  bool copied = false;     // the records were copied into a fresh file
  qint64 kept = -1;        // records the rebuilt file holds (-1: not known)
  qint64 unreadable = -1;  // records the damaged file's keys name that could not be kept (-1: not known)
  QString damagedCopy;     // where the damaged file was kept (when copied)
};

// A handle's saved cursor, as state() returns it: current key, sequence point,
// current record, watch state (with the remembered image), memo suppression and
// placeholder search. Opaque: only a handle of the same table and layer restores
// it. A default FileState holds nothing.
struct FileStateData {
  virtual ~FileStateData() = default;
};
struct FileState {
  std::shared_ptr<const FileStateData> data;
  bool isValid() const { return data != nullptr; }
};

class KeyedFile {
 public:
  virtual ~KeyedFile() = default;

  // ---- properties -------------------------------------------------------------
  // The table (or alias) the handle was made for; an alias reads and writes its
  // base table's file with its own record layout (the same as the base's).
  virtual const TableDef& table() const = 0;
  // The file as resolved in the data (or station) directory: an existing file of
  // that name in any letter case, else the dictionary's spelling.
  virtual QString path() const = 0;
  virtual bool isOpen() const = 0;
  // The share code the handle is open with (0 when closed).
  virtual int shareCode() const = 0;
  // Open with read-only access (access nibble 0): every write answers 5.
  virtual bool isReadOnly() const = 0;

  // ---- open, close, create, rebuild ------------------------------------------
  // Opens with a share code: low nibble the access (0 read only, 2 read and
  // write), high nibble the sharing (0x20 others may only read, 0x40 others may
  // do the same). Across processes, 0x42 takes a shared and 0x22 an exclusive lock
  // on the table's lock file; a read/write open that conflicts answers 5 (the
  // managers then retry read-only), a read-only open takes no lock. Opens within
  // one layer never block each other. `lock` false takes no lock at all (the
  // opens of a view). Answers 0, 2 (missing and createMissing false), 5, 46, 52,
  // 90. Opening creates missing key indexes (a file made by an older version).
  virtual int open(int shareCode, bool createMissing = false, bool lock = true) = 0;
  // Closes the handle (its cursor is forgotten). Answers 0, or 37 when not open.
  virtual int close() = 0;
  // Makes the file empty with its schema when it does not exist; an existing file
  // is kept as it is (two stations that both found it missing must not wipe each
  // other's records). The handle stays closed. Answers 0, 5, 90.
  virtual int create() = 0;
  // Rebuilds the keys of a damaged file: first in place; when the file is beyond
  // that, every record that can still be read is copied into a fresh file that
  // replaces it (the old one is kept beside it as "<file>.damaged", or with a
  // number after that when an earlier repair kept one). Needs the file free of
  // other stations' opens. Answers 0, 2, 5, 46 (could not be mended), 90.
  virtual int rebuildKeys() = 0;
  // What the last rebuildKeys() did: how many records it kept and lost.
  virtual RebuildReport lastRebuild() const { return {}; }
  // A driver option text: "Recover=" with a number of seconds, "QUICKSCAN=" with
  // "on" or "off". The value is kept; answers the option's current value
  // ("" for an option never set). Unknown options are kept as well.
  virtual QString sendOption(const QString& option) = 0;

  // ---- reading -----------------------------------------------------------------
  // The first record (in position order) whose key components equal those of
  // `record`; fills `record`, makes it the current record and puts the sequence
  // on that key just after it. Answers 0, 35, 43, 46, 90.
  virtual int get(const KeyDef& key, Record& record) = 0;
  // Puts the sequence on `key`: next() reads the first record whose key is >= the
  // key values of `values`, previous() the last one whose key is <= them.
  virtual int setPosition(const KeyDef& key, const Record& values) = 0;
  // Puts the sequence on `key` (nullptr: position order) before its first or
  // after its last record.
  virtual int setPosition(const KeyDef* key, FileEdge edge) = 0;
  // The next or previous record in the sequence's order from the sequence point;
  // fills `record` and makes it current. 33 at the end: the sequence then stays
  // at that end. Answers 0, 33, 43, 46, 90.
  virtual int next(Record& record) = 0;
  virtual int previous(Record& record) = 0;
  // Reads up to `count` records in sequence at once, as that many next() (or
  // previous()) calls would: appends them and their positions, and leaves the
  // cursor as after the last of them. Answers 0 when it read at least one, 33
  // at the end before any, or the read's error. (Views read by pages so.)
  virtual int readPage(bool forward, int count, std::vector<Record>& records, std::vector<RecordPosition>& positions);
  // The current record's position (0 when there is none).
  virtual RecordPosition position() const = 0;
  // Reads the record at `position` (a placeholder too), makes it current and
  // puts the sequence just after it in the current order. Answers 0, 35, 43, 46, 90.
  virtual int reget(RecordPosition position, Record& record) = 0;
  // Puts the sequence on `key` (nullptr: position order) so that next() reads the
  // record at `position` and previous() the one before it. Answers 0, 35, ...
  virtual int resetTo(const KeyDef* key, RecordPosition position) = 0;
  // Arms change detection: the next record read is remembered, and a put() of it
  // answers 89 when the stored record differs from it by then.
  virtual void watch() = 0;
  // Does the current record carry the placeholder mark?
  virtual bool isPlaceholder() const = 0;
  // While on, reads in the order of the table's auto-numbered key include
  // placeholder records (the auto-number search). Kept in the file state.
  virtual void setPlaceholderSearch(bool on) = 0;
  // While on, reads leave the record's memo as it is and put() keeps the stored
  // memo. Kept in the file state.
  virtual void setMemoSuppressed(bool on) = 0;
  virtual bool memoSuppressed() const = 0;
  // The layer keeps no null values: no field is ever null.
  bool isNull(const FieldDef&) const { return false; }

  virtual FileState state() const = 0;
  // Returns the cursor to a saved state. Answers 0, or 37 when the state belongs
  // to another table or layer.
  virtual int restoreState(const FileState& state) = 0;

  // ---- writing -----------------------------------------------------------------
  // Adds a record (as a placeholder when `placeholder`) at a new position and
  // makes it current; the sequence point is kept. After a failed add there is no
  // current record (so duplicateKey() leaves none out). Answers 0, 5, 40, 46, 90.
  virtual int add(const Record& record, bool placeholder = false) = 0;
  // Writes `record` over the current record (clearing a placeholder mark); when
  // the record was watched, answers 89 if the stored record changed since it was
  // read. The sequence point is kept, so a walk along a key whose values are
  // being changed goes on from the old values. Answers 0, 5, 33, 40, 46, 89, 90.
  virtual int put(const Record& record) = 0;
  // Deletes the current record; the sequence goes on from where it was.
  // Answers 0, 5, 33, 46, 90.
  virtual int remove() = 0;
  // Sets the fields numbered `fields` to their values in `replacement` in every
  // record (placeholders left out) whose same fields hold their values in
  // `match`: all the records linked to an owner changed at once, in time that
  // grows with their number (a cascade). The cursor is kept. Inside a
  // transaction a failure changes nothing. `changed` counts the records.
  // Answers 0, 5, 40 (a changed record would collide on a unique key), 46, 90.
  virtual int replaceAll(const std::vector<int>& fields, const Record& match, const Record& replacement,
                         qint64& changed);
  // The first unique key (in declaration order) on which `record` would collide
  // with a stored record other than the current one, or nullptr. Answers through
  // the runtime error as well (0 or a read error).
  virtual const KeyDef* duplicateKey(const Record& record) = 0;
  // The same for one key; false for a key that allows duplicates.
  virtual bool isDuplicate(const KeyDef& key, const Record& record) = 0;

  // ---- transactions, size ------------------------------------------------------
  // Marks the file for the next beginTransaction() of its layer. Answers 0; 5 when
  // read-only; 80 when the layer cannot hold this file in one transaction beside
  // those already marked (for SQLite: more files than it attaches at once), so the
  // managers leave it out; 37 when not open.
  virtual int markForTransaction() = 0;
  // Records in the file, placeholders left out (-1 on error).
  virtual qint64 recordCount() = 0;
  // The file's size in bytes (-1 on error).
  virtual qint64 fileSize() = 0;
};

// Settings of a layer.
struct FileLayerOptions {
  // Where the tables' files are.
  QString dataDirectory;
  // Where tables kept per station (the label work file) are; empty: the data
  // directory.
  QString stationDirectory;
  // How long a read or a write outside a transaction waits for another station's
  // lock before it answers 43 (read) or 5 (write).
  int busyTimeoutMs = 5000;
};

class FileLayer {
 public:
  virtual ~FileLayer() = default;

  // The process-wide layer of a data directory (on the files, or on the server
  // its "bravent.INI" names: see layer_choice.h): one per directory, made on
  // first request and kept while anyone holds it.
  static std::shared_ptr<FileLayer> forDirectory(const QString& dataDirectory, const QString& stationDirectory = {});
  // A SQLite layer of its own (a second station in tests, the headless runner).
  static std::shared_ptr<FileLayer> createSqlite(const FileLayerOptions& options);

  virtual QString dataDirectory() const = 0;
  virtual QString stationDirectory() const = 0;
  // Takes effect for handles made afterwards.
  virtual void setStationDirectory(const QString& directory) = 0;

  // A closed handle on a table's file (an alias: its base table's file).
  virtual std::unique_ptr<KeyedFile> file(const TableDef& table) = 0;

  // Starts one transaction over every file marked since the last one ended,
  // waiting at most `waitSeconds` for other stations' writes. The marked files
  // commit or roll back together, even when the process dies half-way. Files not
  // marked that are read or written meanwhile join the transaction; when every
  // file SQLite can attach is taken by it, such a call answers 80. Answers 0, 5
  // (a file stayed locked), 46, 56, 90.
  virtual int beginTransaction(int waitSeconds) = 0;
  // The file that kept the last beginTransaction() from starting (its path, as
  // KeyedFile::path() gives it), so that the failure names the right table;
  // empty when it started or no one file was to blame.
  virtual QString blockingFile() const { return {}; }
  // Answers 0, 5 (another station holds a file), 90; after a failed commit the
  // transaction may still be running: roll it back. A commit is reported as
  // failed only when nothing of it was kept: when the disk reports an error
  // after the commit point, the transaction has committed, commit() answers 0
  // and commitWarning() holds that error.
  virtual int commit() = 0;
  // The disk's error reported after the commit point of the last commit()
  // (code 0: none).
  virtual RuntimeError commitWarning() const { return {}; }
  // Always ends the transaction. Answers 0 (also when none was running) or 90.
  virtual int rollback() = 0;
  virtual bool inTransaction() const = 0;
};

}  // namespace bv
