#include "shell/qbe/query_item.h"

namespace bv {

QueryItem QueryItem::make(const QString& expression, const QString& title, const QString& picture, bool caseFlag) {
  QueryItem item;
  item.expression = expression.trimmed().toUpper().left(kExpressionLength);
  item.title = title.left(kTitleLength);
  QString p = picture.trimmed();
  if (p.startsWith(u'@')) p.remove(0, 1);
  if (p.startsWith(u's')) p[0] = u'S';
  if (p.isEmpty()) p = QStringLiteral("S255");
  item.picture = p.left(kPictureLength);
  item.caseFlag = caseFlag;
  return item;
}

QueryItem QueryItem::forColumn(const QString& field, const QString& header, const QString& picture) {
  return make(QStringLiteral("UPPER(") + field + u')', header, picture, true);
}

bool hasConditions(const QueryItems& items) {
  for (const QueryItem& item : items)
    if (item.hasCondition()) return true;
  return false;
}

void clearConditions(QueryItems& items) {
  for (QueryItem& item : items) item.clearCondition();
}

}  // namespace bv
