#pragma once
// The switch that lets a station change the catalogue: Glo:ModificaFormulas,
// copied from the parameters at start-up. Anything but "S" makes the
// catalogue lists read-only.
#include "shell/behaviour/list_behaviour.h"
#include "shell/browse/list_window.h"
#include "shell/globals.h"

namespace bv {

inline bool catalogueChangesAllowed() { return glo().ModificaFormulas.trimmed().toUpper() == u"S"; }

// A catalogue list that, without the switch, can only be looked at and
// selected from: insert, change and delete are neither connected nor shown.
class ReadOnlyWithoutSwitch : public ListBehaviour {
 public:
  void opening(ListWindow& list) override {
    if (catalogueChangesAllowed()) return;
    for (ListAction a : {ListAction::Insert, ListAction::Change, ListAction::Delete}) list.withhold(a);
  }
};

}  // namespace bv
