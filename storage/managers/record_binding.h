#pragma once
// Makes a table's fields and memo known by label to filter expressions.
//
// The values are read through `current` each time a filter is evaluated, so a
// binding made once follows whichever record buffer is current then (the buffer
// of the evaluating execution context). Decimals and dates are numbers (dates as
// day numbers); strings and the memo are texts. The label of an array field
// reads its first element.
#include <functional>

#include "runtime/filter/filter_binding.h"
#include "storage/dictionary/record.h"

namespace bv {

void bindRecordFields(FilterFunctionBinding& binding, const TableDef& table,
                      std::function<const Record&()> current);

}  // namespace bv
