#include "storage/filelayer/handle_common.h"

#include "storage/filelayer/sqlite_codes.h"

namespace bv::sqlfile {

namespace {
struct SavedCursor final : FileStateData {
  const void* layer = nullptr;
  const TableDef* physical = nullptr;
  FileCursor cursor;
};
}  // namespace

SequencePoint pointAt(const TableSchema& schema, const KeyLayout* key, const StoredRow& row,
                      SequencePoint::Kind kind) {
  SequencePoint p;
  p.kind = kind;
  p.position = row.position;
  if (key) p.values = schema.keyValues(*key, row.values);
  return p;
}

void takeRow(FileCursor& cursor, const TableSchema& schema, const KeyLayout* key, const StoredRow& row,
             Record& record) {
  schema.fill(record, row.values, !cursor.memoSuppressed);
  cursor.current = row.position;
  cursor.currentPlaceholder = row.placeholder;
  if (cursor.watchArmed) {
    cursor.watched = row.position;
    cursor.image = row.values;
    cursor.watchArmed = false;
  } else {
    cursor.watched = 0;
    cursor.image.clear();
  }
  cursor.point = pointAt(schema, key, row, SequencePoint::Kind::After);
}

FileState saveCursor(const void* layer, const TableDef& table, const FileCursor& cursor) {
  auto data = std::make_shared<SavedCursor>();
  data->layer = layer;
  data->physical = &table.physical();
  data->cursor = cursor;
  return FileState{std::move(data)};
}

int restoreCursor(const FileState& state, const void* layer, const TableDef& table, FileCursor& cursor) {
  const auto* data = dynamic_cast<const SavedCursor*>(state.data.get());
  if (!data || data->layer != layer || data->physical != &table.physical()) return report(kFileNotOpen);
  cursor = data->cursor;
  return report(kFileOk);
}

QString keepDriverOption(QHash<QString, QString>& options, const QString& option) {
  const qsizetype eq = option.indexOf(u'=');
  const QString name = (eq < 0 ? option : option.left(eq)).trimmed().toUpper();
  if (eq >= 0) options.insert(name, option.mid(eq + 1).trimmed());
  report(kFileOk);
  return options.value(name);
}

const KeyDef* firstDuplicateKey(KeyedFile& file, const Record& record) {
  for (const KeyDef& k : file.table().keys) {
    if (!k.unique) continue;
    if (file.isDuplicate(k, record)) return &k;
    if (currentRuntimeError().code != kFileOk) return nullptr;
  }
  report(kFileOk);
  return nullptr;
}

// ---- the shared part of a handle ------------------------------------------------

QString CursorFile::sendOption(const QString& option) { return keepDriverOption(options_, option); }

const KeyDef* CursorFile::duplicateKey(const Record& record) { return firstDuplicateKey(*this, record); }

int CursorFile::requireOpen() const { return open_ ? kFileOk : report(kFileNotOpen); }

const KeyLayout* CursorFile::collisionLayout(const KeyDef& key, const Record& record) const {
  if (requireOpen() != kFileOk) return nullptr;
  const KeyLayout* layout = layoutOf(key.number);
  if (!layout || !layout->unique || (key.excludesBlank && record.isBlank(key))) {
    report(kFileOk);
    return nullptr;
  }
  return layout;
}

bool CursorFile::pastEnd(bool forward) const {
  return cursor_.point.kind == (forward ? Point::Kind::End : Point::Kind::Start);
}

int CursorFile::reachEnd(bool forward) {
  cursor_.point = Point{forward ? Point::Kind::End : Point::Kind::Start, {}, 0};
  return report(kRecordNotAvailable);
}

int CursorFile::read(bool forward, Record& record) {
  if (const int code = requireOpen(); code != kFileOk) return code;
  if (pastEnd(forward)) return report(kRecordNotAvailable);
  StoredRow row;
  bool found = false;
  if (const int code = readBeyond(forward, row, found); code != kFileOk) return code;
  if (!found) return reachEnd(forward);
  take(row, record);
  return report(kFileOk);
}

void CursorFile::markOpen(int shareCode, bool readOnly, bool locked, bool exclusive) {
  open_ = true;
  share_ = shareCode;
  readOnly_ = readOnly;
  locked_ = locked;
  exclusive_ = exclusive;
  cursor_ = FileCursor{};
}

void CursorFile::markClosed() {
  open_ = false;
  readOnly_ = false;
  cursor_ = FileCursor{};
}

int CursorFile::requireWritable() const {
  if (!open_) return report(kFileNotOpen);
  return readOnly_ ? report(kFileAccessDenied) : kFileOk;
}

const KeyLayout* CursorFile::layoutOf(int keyNumber) const {
  const TableSchema* s = openSchema();
  if (keyNumber <= 0 || !s) return nullptr;
  for (const KeyLayout& k : s->keys())
    if (k.key->number == keyNumber) return &k;
  return nullptr;
}

bool CursorFile::placeholdersVisible(const KeyLayout* key) const {
  return cursor_.placeholderSearch && key && key->autoNumber;
}

void CursorFile::take(const StoredRow& row, Record& record) {
  takeRow(cursor_, schema(), layoutOf(cursor_.key), row, record);
}

CursorFile::Point CursorFile::afterRow(const StoredRow& row, Point::Kind kind) const {
  return pointAt(schema(), layoutOf(cursor_.key), row, kind);
}

int CursorFile::setPosition(const KeyDef& key, const Record& values) {
  if (const int code = requireOpen(); code != kFileOk) return code;
  const KeyLayout* layout = layoutOf(key.number);
  if (!layout) return report(kTransactionNotSupported);
  cursor_.key = key.number;
  cursor_.point = Point{Point::Kind::Values, schema().keyValues(*layout, values), 0};
  return report(kFileOk);
}

int CursorFile::setPosition(const KeyDef* key, FileEdge edge) {
  if (const int code = requireOpen(); code != kFileOk) return code;
  if (key && !layoutOf(key->number)) return report(kTransactionNotSupported);
  cursor_.key = key ? key->number : 0;
  cursor_.point = Point{edge == FileEdge::Start ? Point::Kind::Start : Point::Kind::End, {}, 0};
  return report(kFileOk);
}

}  // namespace bv::sqlfile
