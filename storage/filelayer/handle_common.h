#pragma once
// What every implementation's handle does alike: keeping the driver options,
// finding the unique key a record would collide on, making a read row current,
// and saving and restoring the cursor.
#include <QHash>
#include <QString>

#include "storage/filelayer/file_layer.h"
#include "storage/filelayer/seek_query.h"

namespace bv::sqlfile {

// Keeps a driver option ("Recover=30") in `options` and answers its current
// value ("" for one never set); an option without "=" only asks.
// A stored row as a select of TableSchema::selectList() gives it.
struct StoredRow {
  RecordPosition position = 0;
  bool placeholder = false;
  std::vector<SqlValue> values;  // the value columns
};

// The sequence point at a stored row in the order of `key` (nullptr: position order).
SequencePoint pointAt(const TableSchema& schema, const KeyLayout* key, const StoredRow& row,
                      SequencePoint::Kind kind);
// Makes a read row current: fills the record (keeping its memo while memos are
// suppressed), takes the watch image when armed, and puts the sequence point
// just after the row.
void takeRow(FileCursor& cursor, const TableSchema& schema, const KeyLayout* key, const StoredRow& row,
             Record& record);

// A cursor saved for the handles of `layer` on `table`'s file.
FileState saveCursor(const void* layer, const TableDef& table, const FileCursor& cursor);
// Answers 0, or 37 when the state belongs to another table or layer.
int restoreCursor(const FileState& state, const void* layer, const TableDef& table, FileCursor& cursor);

// The part of a handle that is the same over the files and over a server: the
// open state, the cursor and what only moves it, and the driver options.
class CursorFile : public KeyedFile {
 public:
  explicit CursorFile(const TableDef& table) : table_(&table) {}

  const TableDef& table() const override { return *table_; }
  bool isOpen() const override { return open_; }
  int shareCode() const override { return open_ ? share_ : 0; }
  bool isReadOnly() const override { return readOnly_; }
  QString sendOption(const QString& option) override;
  int setPosition(const KeyDef& key, const Record& values) override;
  int setPosition(const KeyDef* key, FileEdge edge) override;
  RecordPosition position() const override { return cursor_.current; }
  void watch() override { cursor_.watchArmed = true; }
  bool isPlaceholder() const override { return cursor_.currentPlaceholder; }
  void setPlaceholderSearch(bool on) override { cursor_.placeholderSearch = on; }
  void setMemoSuppressed(bool on) override { cursor_.memoSuppressed = on; }
  bool memoSuppressed() const override { return cursor_.memoSuppressed; }
  const KeyDef* duplicateKey(const Record& record) override;
  int next(Record& record) override { return read(true, record); }
  int previous(Record& record) override { return read(false, record); }

  using Point = SequencePoint;

 protected:
  // The layout of the open file's table (nullptr while closed).
  virtual const TableSchema* openSchema() const = 0;
  const TableSchema& schema() const { return *openSchema(); }
  int requireOpen() const;
  // next() and previous(): the row beyond the sequence point made current.
  int read(bool forward, Record& record);
  int requireWritable() const;
  const KeyLayout* layoutOf(int keyNumber) const;
  // The layout of the unique key `record` could collide on; nullptr (nothing
  // to check) for a closed file, a key that allows duplicates, or a key that
  // leaves blanks out when the record's are blank.
  const KeyLayout* collisionLayout(const KeyDef& key, const Record& record) const;
  bool placeholdersVisible(const KeyLayout* key) const;
  // Makes a read row current (see takeRow()).
  void take(const StoredRow& row, Record& record);
  Point afterRow(const StoredRow& row, Point::Kind kind) const;
  // Reads the one row beyond the sequence point in its direction (`found`
  // false when there is none), without making it current.
  virtual int readBeyond(bool forward, StoredRow& row, bool& found) = 0;
  // Is the sequence already at the end it would read past?
  bool pastEnd(bool forward) const;
  // The sequence reached its end and stays there: 33.
  int reachEnd(bool forward);
  // The file is open now, with its store and lock taken; or closed again.
  void markOpen(int shareCode, bool readOnly, bool locked, bool exclusive);
  void markClosed();

  const TableDef* table_;
  bool open_ = false;
  int share_ = 0;
  bool readOnly_ = false;
  bool locked_ = false;     // a share lock is held
  bool exclusive_ = false;  // ... and it is the exclusive one
  FileCursor cursor_;
  QHash<QString, QString> options_;
};

QString keepDriverOption(QHash<QString, QString>& options, const QString& option);
// The first unique key (in declaration order) on which `record` collides in
// `file`, asking key by key; nullptr when none does or a read failed (then the
// runtime error says so).
const KeyDef* firstDuplicateKey(KeyedFile& file, const Record& record);

}  // namespace bv::sqlfile
