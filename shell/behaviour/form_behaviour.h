#pragma once
// What one update form does beyond the common behaviour. A declaration names
// the class; each form it opens makes its own object, which holds the form's
// working values (bound to controls by name like record fields) and overrides
// the hooks it needs. Every hook gets the form, through which it reaches the
// controls, the buffers and the managers.
#include "shell/values/working_values.h"

#include <QString>

namespace bv {

class FieldControl;
class FormWindow;

class FormBehaviour {
 public:
  virtual ~FormBehaviour() = default;

  WorkingValues& values() { return values_; }

  // A new record was primed (insert), before the window is shown.
  virtual void primed(FormWindow&) {}
  // The window is open and shown.
  virtual void opened(FormWindow&) {}
  // Before the controls show the buffers again. `finalPass` is the refresh of
  // OK, after every entry went into the buffers and before the record is written.
  virtual void refreshing(FormWindow&, bool finalPass) {}
  // An entry is being accepted, before the form's own handling (storing the
  // value, its lookup). False: the hook handled it and the form does nothing more.
  virtual bool beforeField(FormWindow&, FieldControl&) { return true; }
  // An entry's value went into the buffer and its lookup, if any, is done.
  // False keeps the focus on the entry.
  virtual bool fieldAccepted(FormWindow&, FieldControl&) { return true; }
  // The list an entry's lookup opened was cancelled: the entry keeps its
  // value, which may name no record, and the focus stays on it.
  virtual void lookupCancelled(FormWindow&, FieldControl&) {}
  // Before the record is written on OK; false keeps the form open.
  virtual bool completing(FormWindow&) { return true; }
  // Before a delete is confirmed; false refuses it (the hook shows why).
  virtual bool deleting(FormWindow&) { return true; }
  // A button of the form's own was pressed (its control name).
  virtual void buttonPressed(FormWindow&, const QString& name) {}

 protected:
  WorkingValues values_;
};

}  // namespace bv
