#pragma once
// One field a list's query by example offers: the expression it tests, the
// title the form shows, the display picture of the field, and what the user
// asked of it: a single value (with its operator, as typed) or a range from a
// low to a high value. An item holds one of the two at a time.
#include <QString>
#include <vector>

namespace bv {

struct QueryItem {
  static constexpr int kExpressionLength = 100;
  static constexpr int kTitleLength = 100;
  static constexpr int kPictureLength = 40;

  QString expression;  // upper-cased: "UPPER(MAR:DESCRIPCION)"
  QString title;       // "Descripcion"
  QString picture;     // without "@"; a text picture starts with "S": "S50", "n3"
  // Set for the items a list makes from its columns: their values compare
  // without regard to letter case.
  bool caseFlag = false;

  QString value;  // ">=5", "ROJO*", "*ROJO", "^rojo"
  QString low;    // a range: both included; either may be empty
  QString high;

  // An item with its texts stored as the query keeps them: the expression
  // upper-cased, each text cut to its length, the picture without a leading
  // "@", a leading "s" as "S" and an empty picture as "S255".
  static QueryItem make(const QString& expression, const QString& title, const QString& picture,
                        bool caseFlag = false);
  // The item a list makes for a column showing `field`: "UPPER(field)".
  static QueryItem forColumn(const QString& field, const QString& header, const QString& picture);

  bool isText() const { return picture.startsWith(u'S'); }
  bool isRange() const { return !low.isEmpty() || !high.isEmpty(); }
  bool hasCondition() const { return !value.isEmpty() || isRange(); }
  void clearCondition() {
    value.clear();
    low.clear();
    high.clear();
  }
  void setValue(const QString& typed) {
    clearCondition();
    value = typed;
  }
  void setRange(const QString& from, const QString& to) {
    clearCondition();
    low = from;
    high = to;
  }
};

using QueryItems = std::vector<QueryItem>;

// Whether any item holds a condition.
bool hasConditions(const QueryItems& items);
void clearConditions(QueryItems& items);

}  // namespace bv
