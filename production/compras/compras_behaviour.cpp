#include "production/compras/compras_behaviour.h"

#include "shell/form/form_window.h"
#include "storage/managers/file_manager.h"

namespace bv::compras {

bool CompraFormBehaviour::deleting(FormWindow& form) {
  form.primary().raise(kMsgCannotDelete);
  return false;
}

}  // namespace bv::compras
