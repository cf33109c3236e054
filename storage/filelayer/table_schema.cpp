#include "storage/filelayer/table_schema.h"

namespace bv::sqlfile {
namespace {
bool isText(const FieldDef& f) { return f.type == FieldType::String || f.type == FieldType::Memo; }
}  // namespace

TableSchema::TableSchema(const TableDef& physical) : table_(&physical) {
  for (const Column& c : physical.columns()) columns_.push_back({c.name, c.field, c.index, false, -1});
  valueCount_ = static_cast<int>(columns_.size());

  auto valueColumn = [this](int fieldNumber) {
    for (int i = 0; i < valueCount_; ++i)
      if (columns_[i].field->number == fieldNumber && columns_[i].index == 1) return i;
    return -1;
  };
  for (const KeyDef& k : physical.keys) {
    if (!k.ignoresCase) continue;
    for (int n : k.components) {
      const int source = valueColumn(n);
      if (source < 0 || columns_[source].field->type != FieldType::String) continue;
      const QString name = QStringLiteral("UPPER(") + columns_[source].name + u')';
      bool known = false;
      for (const SchemaColumn& c : columns_) known = known || c.name == name;
      if (!known) columns_.push_back({name, columns_[source].field, 1, true, source});
    }
  }

  for (const KeyDef& k : physical.keys) {
    KeyLayout layout;
    layout.key = &k;
    layout.indexName = k.label;
    layout.unique = k.unique;
    layout.autoNumber = k.autoNumber;
    QStringList blankTests;
    for (int n : k.components) {
      const int c = compareColumnOf(k, n);
      if (c < 0) continue;
      layout.compareColumns << quoted(columns_[c].name);
      layout.compareIndexes.push_back(c);
      const int v = columns_[c].shadow ? columns_[c].source : c;
      blankTests << quoted(columns_[v].name) + (isText(*columns_[v].field) ? QStringLiteral(" <> ''")
                                                                           : QStringLiteral(" <> 0"));
    }
    QStringList parts;
    // Placeholders stay only in the auto-numbered key's index.
    if (k.unique && !k.autoNumber) parts << visibleCondition();
    if (k.excludesBlank && !blankTests.isEmpty()) parts << u'(' + blankTests.join(QStringLiteral(" OR ")) + u')';
    layout.partial = parts.join(QStringLiteral(" AND "));
    keys_.push_back(layout);
  }
}

int TableSchema::compareColumnOf(const KeyDef& key, int fieldNumber) const {
  int value = -1;
  for (int i = 0; i < valueCount_; ++i)
    if (columns_[i].field->number == fieldNumber && columns_[i].index == 1) value = i;
  if (value < 0) return -1;
  if (key.ignoresCase && columns_[value].field->type == FieldType::String)
    for (int i = valueCount_; i < static_cast<int>(columns_.size()); ++i)
      if (columns_[i].source == value) return i;
  return value;
}

const KeyLayout* TableSchema::layout(const KeyDef& key) const {
  for (const KeyLayout& k : keys_)
    if (k.key->number == key.number) return &k;
  return nullptr;
}

const KeyLayout* TableSchema::autoNumberKey() const {
  for (const KeyLayout& k : keys_)
    if (k.autoNumber) return &k;
  return nullptr;
}

QString TableSchema::qualifiedTable(const QString& schema) const {
  return quoted(schema) + u'.' + quoted(table_->label);
}

QString TableSchema::columnDefinition(const SchemaColumn& c) const {
  return quoted(c.name) + (isText(*c.field) ? QStringLiteral(" TEXT NOT NULL DEFAULT ''")
                                            : QStringLiteral(" INTEGER NOT NULL DEFAULT 0"));
}

QString TableSchema::createTableSql(const QString& schema) const {
  QStringList defs;
  defs << quoted(kPositionColumn) + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
  defs << quoted(kPlaceholderColumn) + QStringLiteral(" INTEGER NOT NULL DEFAULT 0");
  for (const SchemaColumn& c : columns_) defs << columnDefinition(c);
  return QStringLiteral("CREATE TABLE IF NOT EXISTS ") + qualifiedTable(schema) + QStringLiteral(" (") +
         defs.join(QStringLiteral(", ")) + u')';
}

QString TableSchema::createIndexSql(const QString& schema, const KeyLayout& key) const {
  QStringList cols = key.compareColumns;
  // A unique key has no equal keys to order; a key with duplicates orders them by position.
  if (!key.unique) cols << quoted(kPositionColumn);
  QString sql = QStringLiteral("CREATE ") + (key.unique ? QStringLiteral("UNIQUE ") : QString()) +
                QStringLiteral("INDEX IF NOT EXISTS ") + quoted(schema) + u'.' + quoted(key.indexName) +
                QStringLiteral(" ON ") + quoted(table_->label) + QStringLiteral(" (") +
                cols.join(QStringLiteral(", ")) + u')';
  if (!key.partial.isEmpty()) sql += QStringLiteral(" WHERE ") + key.partial;
  return sql;
}

QString TableSchema::selectList() const {
  QStringList cols{quoted(kPositionColumn), quoted(kPlaceholderColumn)};
  for (int i = 0; i < valueCount_; ++i) cols << quoted(columns_[i].name);
  return cols.join(QStringLiteral(", "));
}

QString TableSchema::visibleCondition() { return quoted(kPlaceholderColumn) + QStringLiteral(" = 0"); }

namespace {
SqlValue valueOf(const std::vector<SchemaColumn>& columns, const SchemaColumn& c, const Record& record) {
  if (c.shadow) {
    const SchemaColumn& s = columns[c.source];
    return upperForKey(record.text(s.field->number, s.index));
  }
  if (c.field->type == FieldType::Memo) return record.memo();
  return toSql(*c.field, record.value(c.field->number, c.index));
}
}  // namespace

std::vector<SqlValue> TableSchema::storedValues(const Record& record) const {
  std::vector<SqlValue> out;
  out.reserve(columns_.size());
  for (const SchemaColumn& c : columns_) out.push_back(valueOf(columns_, c, record));
  return out;
}

std::vector<SqlValue> TableSchema::keyValues(const KeyLayout& key, const Record& record) const {
  std::vector<SqlValue> out;
  for (int n : key.key->components) {
    const int c = compareColumnOf(*key.key, n);
    if (c >= 0) out.push_back(valueOf(columns_, columns_[c], record));
  }
  return out;
}

std::vector<SqlValue> TableSchema::keyValues(const KeyLayout& key, const std::vector<SqlValue>& row) const {
  std::vector<SqlValue> out;
  for (int c : key.compareIndexes) {
    const SchemaColumn& col = columns_[c];
    const int v = col.shadow ? col.source : c;
    const SqlValue value = v < static_cast<int>(row.size()) ? row[v] : SqlValue(qint64(0));
    if (col.shadow)
      out.push_back(upperForKey(std::get_if<QString>(&value) ? std::get<QString>(value) : QString()));
    else
      out.push_back(value);
  }
  return out;
}

void TableSchema::fill(Record& record, const std::vector<SqlValue>& values, bool withMemo) const {
  const QString memo = record.memo();
  record.clear();
  for (int i = 0; i < valueCount_ && i < static_cast<int>(values.size()); ++i) {
    const SchemaColumn& c = columns_[i];
    if (c.field->type == FieldType::Memo) {
      if (withMemo) record.setMemo(std::get_if<QString>(&values[i]) ? std::get<QString>(values[i]) : QString());
      continue;
    }
    record.setValue(c.field->number, fromSql(*c.field, values[i]), c.index);
  }
  if (!withMemo) record.setMemo(memo);
}

}  // namespace bv::sqlfile
