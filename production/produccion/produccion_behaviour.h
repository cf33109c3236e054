#pragma once
// What the production form does beyond the common form: the entries of line,
// product and quantity run the order's steps (the formula loaded and scaled,
// component B, costs and prices), its buttons reload and recompute, and the
// product of a stored order stays locked.
#include "production/produccion/order_entry.h"
#include "shell/behaviour/form_behaviour.h"

#include <QString>

namespace bv::produccion {

class ProduccionFormBehaviour : public FormBehaviour {
 public:
  ProduccionFormBehaviour();
  void primed(FormWindow& form) override;
  void opened(FormWindow& form) override;
  void refreshing(FormWindow& form, bool finalPass) override;
  bool beforeField(FormWindow& form, FieldControl& control) override;
  bool fieldAccepted(FormWindow& form, FieldControl& control) override;
  bool completing(FormWindow& form) override;
  void buttonPressed(FormWindow& form, const QString& name) override;

  const OrderFigures& figures() const { return figures_; }

 private:
  // The order's steps over the form's buffers and lines.
  OrderEntry entry(FormWindow& form);
  // The figures into the working values the displays show; the lines shown again.
  void publish(FormWindow& form);
  void lockProduct(FormWindow& form, bool locked);
  void showQuantityPrompt(FormWindow& form, bool partB);

  OrderFigures figures_;
  std::vector<ChildLine> noLines_;  // the lines of a form without a line list
  // What line, product and quantity held when last accepted: an entry passed
  // through unchanged runs no step again.
  FieldValue line_;
  FieldValue product_;
  FieldValue quantity_;
};

}  // namespace bv::produccion
