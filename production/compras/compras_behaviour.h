#pragma once
// What the voucher form does beyond the common form: a voucher is never
// deleted as a whole, so the stock only ever moves through its lines.
#include "shell/behaviour/form_behaviour.h"

namespace bv::compras {

// The error manager's "Esta Ficha no puede ser usada para Borrar un registro".
inline constexpr int kMsgCannotDelete = 12;

class CompraFormBehaviour : public FormBehaviour {
 public:
  bool deleting(FormWindow& form) override;
};

}  // namespace bv::compras
