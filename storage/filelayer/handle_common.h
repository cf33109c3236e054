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

QString keepDriverOption(QHash<QString, QString>& options, const QString& option);
// The first unique key (in declaration order) on which `record` collides in
// `file`, asking key by key; nullptr when none does or a read failed (then the
// runtime error says so).
const KeyDef* firstDuplicateKey(KeyedFile& file, const Record& record);

}  // namespace bv::sqlfile
