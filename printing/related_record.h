#pragma once
// Reading the record another one refers to, for a label or a listing line.
#include <QString>

#include "storage/dictionary/field_value.h"

namespace bv {

class FileManager;

// Clears the table's buffer, sets `field` to `value` and reads the record by
// `key`; the buffer stays cleared when there is none, so its texts print blank.
void fetchOrClear(FileManager& table, const char* field, const FieldValue& value, const QString& key);

}  // namespace bv
