#pragma once
// How one table's records lie in its SQLite file: the SQL texts of the table, its
// key indexes and the conditions that reads in a key's order use, all made from
// the data dictionary.
//
// Layout: "bv_pos" INTEGER PRIMARY KEY AUTOINCREMENT is the record position (never
// reused); "bv_placeholder" marks auto-number placeholders; then one column per
// field (per element of an array field) named by its label ("BAS:CODIGO",
// "PLA:BASICO[3]"), the memo, and for every text component of a key that ignores
// case a shadow column "UPPER(label)" with the upper-cased text. Keys are indexes
// on their components (duplicates followed by "bv_pos", so equal keys keep
// position order); a unique key is a unique index.
#include <QString>
#include <QStringList>
#include <vector>

#include "storage/dictionary/record.h"
#include "storage/dictionary/table_def.h"
#include "storage/filelayer/sql_value.h"

namespace bv::sqlfile {

inline constexpr int kSchemaVersion = 1;
inline const QString kPositionColumn = QStringLiteral("bv_pos");
inline const QString kPlaceholderColumn = QStringLiteral("bv_placeholder");

struct SchemaColumn {
  QString name;
  const FieldDef* field = nullptr;  // of the physical table; the memo for the memo column
  int index = 1;                    // element of an array field
  // A shadow column holds the upper-cased text of the value column `source`.
  bool shadow = false;
  int source = -1;
};

struct KeyLayout {
  const KeyDef* key = nullptr;
  QString indexName;            // the key's label
  QStringList compareColumns;   // quoted: the value or shadow column of each component
  std::vector<int> compareIndexes;  // the same columns by their place in columns()
  QString partial;              // the index's WHERE condition, empty when none
  bool unique = false;
  bool autoNumber = false;
};

class TableSchema {
 public:
  explicit TableSchema(const TableDef& physical);

  const TableDef& table() const { return *table_; }
  // Value columns (fields, then the memo), then shadow columns.
  const std::vector<SchemaColumn>& columns() const { return columns_; }
  int valueColumnCount() const { return valueCount_; }
  const std::vector<KeyLayout>& keys() const { return keys_; }
  // The layout of a key of this table or of an alias of it (by key number).
  const KeyLayout* layout(const KeyDef& key) const;
  const KeyLayout* autoNumberKey() const;

  // schema."table"
  QString qualifiedTable(const QString& schema) const;
  QString createTableSql(const QString& schema) const;
  QString createIndexSql(const QString& schema, const KeyLayout& key) const;
  // The column definition for ALTER TABLE ... ADD COLUMN.
  QString columnDefinition(const SchemaColumn& column) const;
  // "bv_pos", "bv_placeholder", then the value columns.
  QString selectList() const;
  // Result column of value column i in a select of selectList().
  static int resultColumn(int valueColumn) { return valueColumn + 2; }

  // The stored values of a record's value columns and shadow columns, in column
  // order (every column).
  std::vector<SqlValue> storedValues(const Record& record) const;
  // The values a key's compare columns hold for a record.
  std::vector<SqlValue> keyValues(const KeyLayout& key, const Record& record) const;
  // The same from a stored row's value-column values.
  std::vector<SqlValue> keyValues(const KeyLayout& key, const std::vector<SqlValue>& row) const;
  // Fills a record (of the table or an alias) from stored value-column values;
  // the memo is left as it is when `withMemo` is false.
  void fill(Record& record, const std::vector<SqlValue>& values, bool withMemo) const;
  // The condition that leaves placeholders out of reads (quoted column = 0).
  static QString visibleCondition();

 private:
  int compareColumnOf(const KeyDef& key, int fieldNumber) const;

  const TableDef* table_;
  std::vector<SchemaColumn> columns_;
  int valueCount_ = 0;
  std::vector<KeyLayout> keys_;
};

}  // namespace bv::sqlfile
