#pragma once
// The rules by which the frame hands values to the windows it starts.
#include "runtime/decimal.h"

#include <QString>
#include <optional>

namespace bv {

// Glo:NuevaProduccion: the highest PRO1:CODIGO plus one; 1 when there is no
// production (or the sum is zero).
Decimal nextProductionNumber(const std::optional<Decimal>& highest);

// Glo:AccionParametros before the general-parameters and taxes forms: "A" (add)
// when Paramet holds no record, else "M" (modify).
QString parametersAction(bool parametHasRecord);

// Whether the restricted menu entries are shown: only when Glo:ModificaFormulas
// is "S".
bool restrictedEntriesAllowed(const QString& modificaFormulas);

}  // namespace bv
