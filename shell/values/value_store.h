#pragma once
// Values that windows bind to controls, columns and filters beside the record
// fields: a window's working values ("LOC:COSTOBASICO", "TOTAL") and the
// program's globals ("GLO:FILA"). Each is described like a record field, so
// pictures, rounding to places and the range messages work the same way.
#include "storage/dictionary/field_def.h"
#include "storage/dictionary/field_value.h"

#include <QString>

namespace bv {

class ValueStore {
 public:
  virtual ~ValueStore() = default;
  // The description of a name (any letter case), or nullptr.
  virtual const FieldDef* find(const QString& name) const = 0;
  virtual FieldValue value(const FieldDef& def) const = 0;
  // Rounds a number to the value's places; a number it cannot hold is
  // refused (TooLarge) and the value is left as it was.
  virtual SetResult set(const FieldDef& def, const FieldValue& value) = 0;
};

// Stores a value into a slot described by `def`, as a record field would.
SetResult storeAs(const FieldDef& def, const FieldValue& value, FieldValue& slot);

// A description of a number of `digits` digits with `places` decimals, or of a text.
FieldDef numberDef(const QString& name, int digits, int places, const QString& picture = {});
FieldDef textDef(const QString& name, int length, const QString& picture = {});

}  // namespace bv
