#pragma once
// The sample row of the layout window's list: what each column would show, so
// the user sees how wide its values print.
#include <QString>

#include "kalrep/column_descriptor.h"

namespace bv {

// A text column shows a run of "X" through its picture, a date column today's
// date, a time column the current time, a number column 0; any other column
// (a pattern, a picture that does not parse) shows nothing.
QString sampleText(const ColumnDescriptor& column);

}  // namespace bv
