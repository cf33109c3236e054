#include "storage/filelayer/seek_query.h"

#include <QStringList>

namespace bv::sqlfile {

QString fromIndexed(const QString& table, const KeyLayout* key, bool indexed) {
  if (!indexed) return table;
  return table + (key ? QStringLiteral(" INDEXED BY ") + quoted(key->indexName) : QStringLiteral(" NOT INDEXED"));
}

namespace {

// Beyond a record of a key with duplicates: first the records with the same key
// values beyond its position, then those with key values beyond its own, merged
// in key order. The one row value (key columns, position) would say the same,
// but SQLite seeks such a row value on the key columns alone when the position
// is the table's own row number, and then steps over every equal key before
// the point: a walk along one value of the key would cost the square of its
// records. Each half here seeks on all its columns.
SeekQuery pastEqualKeys(const TableSchema& schema, const QString& table, const KeyLayout& key, bool forward,
                        const SequencePoint& point, const QStringList& common, bool indexed, int limit) {
  const QString pos = quoted(kPositionColumn);
  const QString from = fromIndexed(table, &key, indexed);
  QStringList select{schema.selectList()};
  QStringList order;
  const QString direction = forward ? QString() : QStringLiteral(" DESC");
  for (qsizetype i = 0; i < key.compareColumns.size(); ++i) {
    const QString alias = QStringLiteral("\"bv_k%1\"").arg(i);
    select << key.compareColumns[i] + QStringLiteral(" AS ") + alias;
    order << alias + direction;
  }
  order << pos + direction;
  const bool before = point.kind == SequencePoint::Kind::Before;
  const QString positionOp = forward ? (before ? QStringLiteral(">=") : QStringLiteral(">")) : QStringLiteral("<");

  QStringList same = common;
  QStringList marks;
  for (const QString& c : key.compareColumns) {
    same << c + QStringLiteral(" = ?");
    marks << QStringLiteral("?");
  }
  same << pos + u' ' + positionOp + QStringLiteral(" ?");
  QStringList beyond = common;
  beyond << QStringLiteral("(%1) %2 (%3)")
                .arg(key.compareColumns.join(QStringLiteral(", ")), forward ? QStringLiteral(">") : QStringLiteral("<"),
                     marks.join(QStringLiteral(", ")));

  const QString head = QStringLiteral("SELECT ") + select.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") + from +
                       QStringLiteral(" WHERE ");
  SeekQuery q;
  q.sql = head + same.join(QStringLiteral(" AND ")) + QStringLiteral(" UNION ALL ") + head +
          beyond.join(QStringLiteral(" AND ")) + QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", ")) +
          QStringLiteral(" LIMIT ") + QString::number(limit);
  q.binds = point.values;
  q.binds.push_back(point.position);
  q.binds.insert(q.binds.end(), point.values.begin(), point.values.end());
  return q;
}

}  // namespace

SeekQuery seekQuery(const TableSchema& schema, const QString& table, const KeyLayout* key, bool forward,
                    const SequencePoint& point, bool withPlaceholders, bool indexed, int limit) {
  SeekQuery q;
  const QString pos = quoted(kPositionColumn);
  QStringList where;
  if (!withPlaceholders) where << TableSchema::visibleCondition();
  // The key's own index condition, so that a partial index serves the query.
  if (key && !key->partial.isEmpty()) where << u'(' + key->partial + u')';
  QStringList order;
  const QString direction = forward ? QString() : QStringLiteral(" DESC");
  using Kind = SequencePoint::Kind;
  if (key) {
    const QString cols = key->compareColumns.join(QStringLiteral(", "));
    QStringList marks;
    for (qsizetype i = 0; i < key->compareColumns.size(); ++i) marks << QStringLiteral("?");
    // A unique key has no equal keys, so the position plays no part in it.
    const bool withPosition = !key->unique;
    auto compare = [&](const char* op) {
      where << QStringLiteral("(%1) %2 (%3)").arg(cols, QLatin1String(op), marks.join(QStringLiteral(", ")));
      q.binds = point.values;
    };
    switch (point.kind) {
      case Kind::Start:
      case Kind::End:
        break;
      case Kind::Values:
        compare(forward ? ">=" : "<=");
        break;
      case Kind::After:
      case Kind::Before:
        if (withPosition) return pastEqualKeys(schema, table, *key, forward, point, where, indexed, limit);
        compare(forward ? (point.kind == Kind::Before ? ">=" : ">") : "<");
        break;
    }
    for (const QString& c : key->compareColumns) order << c + direction;
    if (withPosition) order << pos + direction;
  } else {
    if (point.kind == Kind::After || point.kind == Kind::Before) {
      const char* op = !forward ? "<" : point.kind == Kind::Before ? ">=" : ">";
      where << pos + u' ' + QLatin1String(op) + QStringLiteral(" ?");
      q.binds = {point.position};
    }
    order << pos + direction;
  }
  q.sql = QStringLiteral("SELECT ") + schema.selectList() + QStringLiteral(" FROM ") + fromIndexed(table, key, indexed);
  if (!where.isEmpty()) q.sql += QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
  q.sql += QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", ")) + QStringLiteral(" LIMIT ") +
           QString::number(limit);
  return q;
}

}  // namespace bv::sqlfile
