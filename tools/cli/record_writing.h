#pragma once
// Storing typed values and adding records through a table's file manager, the
// way the table verbs and the demo data set write every row.
#include "storage/managers/file_managers.h"

namespace bv::cli {

// Stores a value in a column of the manager's buffer. A number the field cannot
// hold raises message 17 (or 18 below its smallest value) and a text longer
// than the field raises "Error en Rango": nothing is ever cut. Answers a level.
int storeColumn(FileManager& files, const Column& column, const FieldValue& value);
int storeField(FileManager& files, const QString& label, const FieldValue& value, int index = 1);

// Adds the buffer as a new record. The record is validated with messages
// first. An auto-numbered field that is zero takes the next number; a non-zero
// one is kept as given: the record is added without numbering, and a record
// that already holds that number is refused as a duplicate (message 13).
// Answers a level.
int insertAsGiven(FileManager& files);

// The exit status after a storage operation of `files` answered `level`: done,
// refused by a rule, a duplicate, a range or a question declined (1), or
// failed (3), told apart by the message the manager stored.
int exitStatusFor(FileManager& files, int level);
// The same after an operation with referential integrity, whose failure may
// have been stored by any table the cascade reached.
int exitStatusFor(FileManagers& files, int level);

}  // namespace bv::cli
