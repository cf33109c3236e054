#pragma once
// What the formula windows do beyond the common list and form: the list costs
// the current formula; the form keeps the totals of its lines, works out the
// formula's specific weight and refuses to save a formula the station may not
// change.
#include "shell/behaviour/form_behaviour.h"

#include <QString>

namespace bv {
class ListWindow;
}

namespace bv::formulas {

// The control name of "Calcular Peso Específico".
inline constexpr const char* kWeightButton = "?CalcularPeso";

// "Calculo del costo de la formula": the current row's formula number goes to
// Glo:Formula and CostoFormula starts on its own.
void costCurrentFormula(ListWindow& list);

// May this station save a formula marked `modifiable` ("S" or "N")?
bool formulaChangesAllowed(const QString& modifiable);

class FormulaFormBehaviour : public FormBehaviour {
 public:
  FormulaFormBehaviour();
  void primed(FormWindow& form) override;
  void opened(FormWindow& form) override;
  void refreshing(FormWindow& form, bool finalPass) override;
  bool completing(FormWindow& form) override;
  void buttonPressed(FormWindow& form, const QString& name) override;

 private:
  // Volumes of the lines, VOLTOT and FOR1:PESO_ESPECIFICO from the lines.
  void computeWeight(FormWindow& form);
  void sumLines(FormWindow& form);
};

}  // namespace bv::formulas
