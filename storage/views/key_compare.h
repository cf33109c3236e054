#pragma once
// The one order of keys and views: texts by character code without trailing
// blanks (upper-cased for components that ignore case), numbers and dates by
// value.
#include <vector>

#include "runtime/filter/filter_value.h"
#include "storage/dictionary/field_value.h"

namespace bv {

int compareKeyValues(const FieldValue& a, const FieldValue& b, bool upper);
// Two sequences of the same length, component by component.
int compareKeyValues(const std::vector<FieldValue>& a, const std::vector<FieldValue>& b,
                     const std::vector<bool>& upper);
// Values read through a filter binding: numbers by value, anything else as text.
int compareOrderValues(const FilterValue& a, const FilterValue& b, bool upper);

}  // namespace bv
