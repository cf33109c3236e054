#pragma once
// Control names of the form "Query by Example Settings". The window itself is
// named like the settings section that keeps its placement: "QBE-" and the
// list's procedure ("QBE-BrowseMarca").
//
//   ?QBE:Sheet                 the tabs: ?QBE:Tab:1 "Query Settings", ?QBE:Tab:2 "Saved Queries"
//   ?QBE:List                  the query's rows: "Field", "Operator", "Value"
//   ?QBE:Field ?QBE:Operator   the editor of a row: the field and the operator (drop lists),
//   ?QBE:Value                 the value, or for the operator "Range"
//   ?QBE:Low ?QBE:High         the low and the high value (both included, either may be empty),
//   ?QBE:Case                  and "Ignore case"
//   ?QBE:Insert ?QBE:Change ?QBE:Delete
//   ?QBE:QueryName ?QBE:Saved  "&Query name:" and the list headed "Query"
//   ?QBE:Save ?QBE:Load ?QBE:DeleteSaved
//   ?QBE:OK ?QBE:Cancel ?QBE:Clear
#include <QString>

namespace bv::qbe_names {

inline const QString kCaption = QStringLiteral("Query by Example Settings");
inline QString window(const QString& procedure) { return QStringLiteral("QBE-") + procedure; }

inline const QString kSheet = QStringLiteral("?QBE:Sheet");
inline const QString kQueryTab = QStringLiteral("?QBE:Tab:1");
inline const QString kSavedTab = QStringLiteral("?QBE:Tab:2");
inline const QString kList = QStringLiteral("?QBE:List");
inline const QString kField = QStringLiteral("?QBE:Field");
inline const QString kOperator = QStringLiteral("?QBE:Operator");
inline const QString kValue = QStringLiteral("?QBE:Value");
inline const QString kLow = QStringLiteral("?QBE:Low");
inline const QString kHigh = QStringLiteral("?QBE:High");
inline const QString kCase = QStringLiteral("?QBE:Case");
inline const QString kInsert = QStringLiteral("?QBE:Insert");
inline const QString kChange = QStringLiteral("?QBE:Change");
inline const QString kDelete = QStringLiteral("?QBE:Delete");
inline const QString kQueryName = QStringLiteral("?QBE:QueryName");
inline const QString kSaved = QStringLiteral("?QBE:Saved");
inline const QString kSave = QStringLiteral("?QBE:Save");
inline const QString kLoad = QStringLiteral("?QBE:Load");
inline const QString kDeleteSaved = QStringLiteral("?QBE:DeleteSaved");
inline const QString kOk = QStringLiteral("?QBE:OK");
inline const QString kCancel = QStringLiteral("?QBE:Cancel");
inline const QString kClear = QStringLiteral("?QBE:Clear");

}  // namespace bv::qbe_names
