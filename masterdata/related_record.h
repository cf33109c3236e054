#pragma once
// A form's displays of the records its codes name: a record read by its code
// key from the code on screen, so that a description always matches its code.
#include "storage/dictionary/field_value.h"

#include <QString>

namespace bv {

class FileManager;

// Reads into the buffer of `other` the record whose `field` (the only
// component of its key `key`) holds `code`, carried into that field as links
// carry values (a text code by its numeric value). The buffer is left blank
// when the code names no record.
void readByCode(FileManager& other, const QString& key, const QString& field, const FieldValue& code);

}  // namespace bv
