#pragma once
// What the finished-product windows do beyond the common list and form: the
// list is read-only where the catalogue may not be changed; the form always
// shows the brand, line and chart its codes name, and marks the line entry
// in red while the product's line does not exist.
#include "shell/behaviour/form_behaviour.h"
#include "storage/dictionary/field_value.h"

namespace bv {
class FileManager;
}

namespace bv::terminado {

class TerminadoFormBehaviour : public FormBehaviour {
 public:
  void refreshing(FormWindow& form, bool finalPass) override;
  bool fieldAccepted(FormWindow& form, FieldControl& control) override;
  void lookupCancelled(FormWindow& form, FieldControl& control) override;
  bool completing(FormWindow& form) override;
};

// Reads into the buffer of `file` the record whose code field `codeField`
// (the one component of `key`) holds `code`; a cleared buffer when no record
// has it.
void readByCode(FileManager& file, const QString& key, const QString& codeField, const FieldValue& code);

// Whether the product's line exists, by the table's own rule for TER:LINEA
// (its message shown when asked). The line entry is marked in red while it
// does not, and takes back its colours once it does.
bool checkLine(FormWindow& form, bool withMessages);

}  // namespace bv::terminado
