#pragma once
// Fields as the windows name them ("MAR:DESCRIPCION", "LIN:BONI1"): reached
// through their table's file manager, in the buffer of the current execution
// context, and shown or read back through a display picture. A window's
// working values and the globals ("GLO:FILA") are reached the same way.
#include "runtime/picture.h"
#include "storage/dictionary/field_value.h"

#include <QString>
#include <optional>

namespace bv {

class ErrorManager;
class FileManager;
class FileManagers;
class ValueStore;
struct FieldDef;

class BoundField {
 public:
  // The field of this label in any table or alias, or nullopt.
  static std::optional<BoundField> resolve(FileManagers& files, const QString& label);
  // A name of the window: its working values first, then the record fields,
  // then the globals.
  static std::optional<BoundField> resolve(FileManagers& files, const QString& label, ValueStore* working);

  // A field of a table's record (not a working value or a global).
  bool isRecordField() const { return file_ != nullptr; }
  // The table's file manager; only for a record field.
  FileManager& file() const { return *file_; }
  // Is it a field of this table's record?
  bool belongsTo(const FileManager& file) const { return file_ == &file; }
  const FieldDef& def() const { return *def_; }
  // The value in the current context's buffer.
  FieldValue value() const;
  // Stores a value there; a number too large is refused with message 17 (18
  // when too small) when `withMessages`. Answers the manager's level.
  int assign(const FieldValue& value, bool withMessages = true) const;

 private:
  BoundField(FileManager& file, const FieldDef& def) : file_(&file), def_(&def) {}
  BoundField(ValueStore& store, const FieldDef& def, ErrorManager& errors)
      : store_(&store), errors_(&errors), def_(&def) {}
  FileManager* file_ = nullptr;
  ValueStore* store_ = nullptr;
  ErrorManager* errors_ = nullptr;
  const FieldDef* def_;
};

// The picture of a column or entry: the one given, else the field's own, else
// a text picture as wide as the field. A picture that does not parse is taken
// as a plain text picture.
Picture pictureFor(const QString& picture, const FieldDef* field);

// The value as the picture shows it.
QString formatValue(const FieldValue& value, const Picture& picture);
// The same without the padding a fixed-width picture adds (what an entry shows).
QString entryText(const FieldValue& value, const Picture& picture);

// Typed text read back into a value of the field's type through the picture;
// nullopt when the text is no number or date the picture can read.
std::optional<FieldValue> readTyped(const QString& typed, const FieldDef& field, const Picture& picture);

// A blank text, a zero number or no date.
bool isEmptyValue(const FieldValue& value);

}  // namespace bv
