#pragma once
// A query as rows of two fields, the way it is saved and the way the headless
// runner types it: the item's title and the value typed for it. A range is two
// rows for the same item, ">=" the low value and "<=" the high one.
#include "shell/qbe/query_item.h"

#include <QList>
#include <QStringList>

namespace bv {

using QueryRow = QStringList;  // {field, value}

// The name a row gives an item: its title, with "," (which separates the
// fields of a saved row) written ";".
QString queryRowField(const QueryItem& item);

QList<QueryRow> queryRows(const QueryItems& items);
// Clears every item, then sets those the rows name (by title, else by
// expression, without regard to letter case). Answers the fields of rows that
// name no item.
QStringList applyQueryRows(QueryItems& items, const QList<QueryRow>& rows);

}  // namespace bv

namespace bv {

// The rows as one line, "field:value" parts joined by "|" (what the headless
// runner answers for a query), and back. A part without ":" is ignored.
QString queryRowsText(const QList<QueryRow>& rows);
QList<QueryRow> parseQueryRowsText(const QString& text);

}  // namespace bv
