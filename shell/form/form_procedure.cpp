#include "shell/form/form_procedure.h"

#include "shell/form/form_window.h"
#include "shell/request_codes.h"

namespace bv {

WindowFactory formWindow(std::function<const FormDeclaration&()> declaration, RelationManagers& relations,
                         int request) {
  return [declaration = std::move(declaration), &relations,
          request](const ProcedureStart&) -> std::unique_ptr<QWidget> {
    const FormDeclaration& form = declaration();
    setGlobalRequest(request);
    std::unique_ptr<FormWindow> window = form.make ? form.make(form, relations, request)
                                                   : std::make_unique<FormWindow>(form, relations, request);
    if (!window->prepare()) return nullptr;
    return window;
  };
}

}  // namespace bv
