#pragma once
// One table on the server as a layer uses it: its layout (the same columns and
// keys as a table file, see table_schema.h) and the making of the table, its
// missing columns and its key indexes. Every handle on the table shares it.
//
// On the server the position is a BIGSERIAL (a sequence never hands a number
// out twice), texts are TEXT in the "C" collation (compared by character code,
// as the files compare them), numbers and dates BIGINT.
#include <QString>

#include "storage/filelayer/table_schema.h"

namespace bv::sqlfile {

class PgConnection;

class PgTable {
 public:
  PgTable(PgConnection& connection, const TableDef& physical, QString path);

  const TableSchema& schema() const { return schema_; }
  // The table's name on the server: its file's name without the extension,
  // as the dictionary spells it ("Basicos", "RELACION").
  QString tableName() const;
  // "schema"."table" (the schema known once connected).
  QString name() const;
  // A key's index: "table/key label", as index names are unique in a schema.
  QString indexName(const KeyLayout& key) const;
  // The data file's path the table stands for (what a failure names).
  const QString& path() const { return path_; }
  // The name of its share lock.
  QString lockKey() const;

  // Makes the table when `create`, and its missing columns and indexes; without
  // `create` a missing table answers 2. A read-only open (`mayWrite` false) goes
  // on when only an index is missing. Answers 0, 2, 5, 46, 90.
  int ensureSchema(bool create, bool mayWrite);
  void forgetSchema() { ready_ = false; }
  // The transaction the table was made in ended; undone, it is made again at
  // once for the handles open on it.
  void transactionEnded(bool committed);

  QString createTableSql() const;
  QString createIndexSql(const KeyLayout& key) const;

 private:
  int makeSchema(const QStringList& work, const std::vector<const SchemaColumn*>& newShadows);

  PgConnection* connection_;
  TableSchema schema_;
  QString path_;
  bool ready_ = false;
  bool madeInTransaction_ = false;
};

}  // namespace bv::sqlfile
