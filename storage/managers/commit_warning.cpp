#include "storage/managers/commit_warning.h"

#include "storage/errors/placeholders.h"

namespace bv {

bool tellCommitWarning(FileLayer& layer, FileManager& table) {
  const RuntimeError warning = layer.commitWarning();
  if (warning.code == 0) return false;
  table.errors().showMessage(
      QStringLiteral("Los cambios en %1 fueron grabados, pero el disco informó un error al terminar: %2.|"
                     "No repita la operación; revise el disco.")
          .arg(table.name(), errorTextValue(warning)),
      QStringLiteral("Advertencia de Disco"), MessageIcon::Exclamation, kButtonOk);
  return true;
}

}  // namespace bv
