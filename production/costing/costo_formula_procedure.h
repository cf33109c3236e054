#pragma once
// CostoFormula as the menu and the formula list start it: the cost sheet of
// the formula in Glo:Formula on a progress window of its own, ending in the
// print preview.
#include <QCoroTask>

#include "shell/procedure_registry.h"

namespace bv {

class FileManagers;

QCoro::Task<void> runCostoFormula(FileManagers& files, ProcedureStart start);

}  // namespace bv
