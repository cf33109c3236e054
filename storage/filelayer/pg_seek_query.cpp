#include "storage/filelayer/pg_seek_query.h"

#include <QStringList>

namespace bv::sqlfile {

using namespace Qt::StringLiterals;

QString pgRowCompare(const QStringList& columns, const char* op, int first) {
  QStringList marks;
  for (qsizetype i = 0; i < columns.size(); ++i) marks << u"$%1"_s.arg(first + i);
  return u"(%1) %2 (%3)"_s
      .arg(columns.join(u", "_s), QLatin1String(op), marks.join(u", "_s));
}

SeekQuery pgSeekQuery(const TableSchema& schema, const QString& table, const KeyLayout* key, bool forward,
                      const SequencePoint& point, bool withPlaceholders, int limit) {
  SeekQuery q;
  const QString pos = quoted(kPositionColumn);
  QStringList where;
  if (!withPlaceholders) where << TableSchema::visibleCondition();
  // The key's own index condition, so that a partial index serves the query.
  if (key && !key->partial.isEmpty()) where << u'(' + key->partial + u')';
  using Kind = SequencePoint::Kind;
  const bool past = point.kind == Kind::After || point.kind == Kind::Before;
  // Just beyond a record: strictly beyond it, except that next() from "before
  // the record" reads that record itself.
  const char* pastOp = !forward ? "<" : point.kind == Kind::Before ? ">=" : ">";
  QStringList order;
  const QString direction = forward ? QString() : u" DESC"_s;
  if (key) {
    // A unique key has no equal keys, so the position plays no part in it.
    const bool withPosition = !key->unique;
    QStringList columns = key->compareColumns;
    if (withPosition) columns << pos;
    if (point.kind == Kind::Values) {
      where << pgRowCompare(key->compareColumns, forward ? ">=" : "<=", 1);
      q.binds = point.values;
    } else if (past) {
      where << pgRowCompare(columns, pastOp, 1);
      q.binds = point.values;
      if (withPosition) q.binds.push_back(point.position);
    }
    for (const QString& c : columns) order << c + direction;
  } else {
    if (past) {
      where << pos + u' ' + QLatin1String(pastOp) + u" $1"_s;
      q.binds = {point.position};
    }
    order << pos + direction;
  }
  q.sql = u"SELECT "_s + schema.selectList() + u" FROM "_s + table;
  if (!where.isEmpty()) q.sql += u" WHERE "_s + where.join(u" AND "_s);
  q.sql += u" ORDER BY "_s + order.join(u", "_s) + u" LIMIT "_s +
           QString::number(limit);
  return q;
}

}  // namespace bv::sqlfile
