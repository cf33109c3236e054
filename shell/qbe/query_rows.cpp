#include "shell/qbe/query_rows.h"

#include "shell/qbe/query_value.h"

namespace bv {
namespace {

const QString kLow = QStringLiteral(">=");
const QString kHigh = QStringLiteral("<=");

QueryItem* find(QueryItems& items, const QString& field) {
  for (QueryItem& item : items)
    if (queryRowField(item).compare(field, Qt::CaseInsensitive) == 0) return &item;
  for (QueryItem& item : items)
    if (item.expression.compare(field, Qt::CaseInsensitive) == 0) return &item;
  return nullptr;
}

}  // namespace

QString queryRowField(const QueryItem& item) {
  QString name = item.title.trimmed();
  name.replace(u',', u';');
  return name.left(QueryItem::kTitleLength);
}

QList<QueryRow> queryRows(const QueryItems& items) {
  QList<QueryRow> rows;
  for (const QueryItem& item : items) {
    const QString field = queryRowField(item);
    if (item.isRange()) {
      if (!item.low.isEmpty()) rows.append({field, kLow + item.low});
      if (!item.high.isEmpty()) rows.append({field, kHigh + item.high});
    } else if (!item.value.isEmpty()) {
      rows.append({field, item.value});
    }
  }
  return rows;
}

QStringList applyQueryRows(QueryItems& items, const QList<QueryRow>& rows) {
  clearConditions(items);
  QStringList unknown;
  for (const QueryRow& row : rows) {
    const QString field = row.value(0).trimmed();
    const QString value = row.value(1);
    QueryItem* item = find(items, field);
    if (!item) {
      unknown << field;
      continue;
    }
    // A second row for an item makes a range of a ">=" and a "<=" value.
    if (!item->value.isEmpty() && item->value.startsWith(kLow) && value.startsWith(kHigh)) {
      item->setRange(item->value.mid(kLow.size()), value.mid(kHigh.size()));
    } else {
      item->setValue(value);
    }
  }
  return unknown;
}

}  // namespace bv

namespace bv {

QString queryRowsText(const QList<QueryRow>& rows) {
  QStringList parts;
  for (const QueryRow& row : rows) parts << row.value(0) + u':' + row.value(1);
  return parts.join(u'|');
}

QList<QueryRow> parseQueryRowsText(const QString& text) {
  QList<QueryRow> rows;
  for (const QString& part : text.split(u'|', Qt::SkipEmptyParts)) {
    const qsizetype colon = part.indexOf(u':');
    if (colon < 0) continue;
    rows.append({part.left(colon).trimmed(), part.mid(colon + 1).trimmed()});
  }
  return rows;
}

}  // namespace bv
