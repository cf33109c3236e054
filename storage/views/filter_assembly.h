#pragma once
// The filter expression a view manager hands its view: the key range as
// comparisons of the key's components, then each named filter in parentheses,
// all joined by " AND ".
#include <QMap>
#include <QString>
#include <vector>

#include "storage/dictionary/field_value.h"
#include "storage/managers/manager_key.h"

namespace bv {

// A value as a filter writes it: a text in single quotes with every quote
// inside doubled, within UPPER( ) for a component that ignores case; numbers
// and dates (day numbers) as they are.
QString filterLiteral(const FieldValue& value, bool upper);

// The range over the first `values.size()` components of a key: each one
// " = " its value; when `low` and `high` are given the last component is
// compared " >= " low " AND " " <= " high instead.
QString rangeText(const std::vector<KeyComponent>& components, const std::vector<FieldValue>& values);
QString rangeText(const std::vector<KeyComponent>& components, const std::vector<FieldValue>& leading,
                  const FieldValue& low, const FieldValue& high);

// The range followed by the named filters in the order of their names
// ("3 Locator", "5 Standard", "9 - QBE"), each in parentheses.
QString assembleFilter(const QString& range, const QMap<QString, QString>& filters);

}  // namespace bv
