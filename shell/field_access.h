#pragma once
// Fields as the windows name them ("MAR:DESCRIPCION", "LIN:BONI1"): reached
// through their table's file manager, in the buffer of the current execution
// context, and shown or read back through a display picture.
#include "runtime/picture.h"
#include "storage/dictionary/field_value.h"

#include <QString>
#include <optional>

namespace bv {

class FileManager;
class FileManagers;
struct FieldDef;

class BoundField {
 public:
  // The field of this label in any table or alias, or nullopt.
  static std::optional<BoundField> resolve(FileManagers& files, const QString& label);

  FileManager& file() const { return *file_; }
  const FieldDef& def() const { return *def_; }
  // The value in the current context's buffer.
  FieldValue value() const;
  // Stores a value there; a number too large is refused with message 17 (18
  // when too small) when `withMessages`. Answers the manager's level.
  int assign(const FieldValue& value, bool withMessages = true) const;

 private:
  BoundField(FileManager& file, const FieldDef& def) : file_(&file), def_(&def) {}
  FileManager* file_;
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
