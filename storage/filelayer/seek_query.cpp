#include "storage/filelayer/seek_query.h"

#include <QStringList>

namespace bv::sqlfile {

QString fromIndexed(const QString& table, const KeyLayout* key, bool indexed) {
  if (!indexed) return table;
  return table + (key ? QStringLiteral(" INDEXED BY ") + quoted(key->indexName) : QStringLiteral(" NOT INDEXED"));
}

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
    auto compare = [&](const char* op, bool position) {
      if (position)
        where << QStringLiteral("(%1, %2) %3 (%4, ?)").arg(cols, pos, QLatin1String(op), marks.join(QStringLiteral(", ")));
      else
        where << QStringLiteral("(%1) %2 (%3)").arg(cols, QLatin1String(op), marks.join(QStringLiteral(", ")));
      q.binds = point.values;
      if (position) q.binds.push_back(point.position);
    };
    switch (point.kind) {
      case Kind::Start:
      case Kind::End:
        break;
      case Kind::Values:
        compare(forward ? ">=" : "<=", false);
        break;
      case Kind::After:
        compare(forward ? ">" : "<", withPosition);
        break;
      case Kind::Before:
        compare(forward ? ">=" : "<", withPosition);
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
