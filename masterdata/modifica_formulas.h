#pragma once
// The switch that lets a station change the catalogue: Glo:ModificaFormulas,
// copied from the parameters at start-up. Anything but "S" makes the
// catalogue lists read-only.
#include "shell/globals.h"

namespace bv {

inline bool catalogueChangesAllowed() { return glo().ModificaFormulas.trimmed().toUpper() == u"S"; }

}  // namespace bv
