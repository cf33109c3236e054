#include "shell/browse/list_procedure.h"

#include "shell/browse/list_window.h"

namespace bv {

WindowFactory listWindow(std::function<const ListDeclaration&()> declaration, RelationManagers& relations) {
  return [declaration = std::move(declaration), &relations](const ProcedureStart&) -> std::unique_ptr<QWidget> {
    return makeList(declaration(), relations);
  };
}

}  // namespace bv
