#include "masterdata/basicos/basicos_behaviour.h"

#include "masterdata/modifica_formulas.h"
#include "masterdata/related_record.h"
#include "shell/browse/list_window.h"
#include "shell/form/form_window.h"
#include "storage/managers/file_managers.h"

namespace bv::basicos {

using namespace Qt::StringLiterals;

void BasicosListBehaviour::opening(ListWindow& list) {
  if (catalogueChangesAllowed()) return;
  // Basic products can then only be looked at and selected.
  for (ListAction a : {ListAction::Insert, ListAction::Change, ListAction::Delete}) list.withhold(a);
}

BasicosFormBehaviour::BasicosFormBehaviour() { values_.number(u"CostoNeto"_s, 9, kNetCostPlaces, u"n-11.4"_s); }

void BasicosFormBehaviour::opened(FormWindow& form) {
  // Once, from the cost and the line of the row the list was on; it is not
  // recomputed while the form is open.
  const WindowFields& f = form.fields();
  values_.set(u"CostoNeto"_s, netCost(f.number(u"BAS:COSTO"_s), f.number(u"LIN:BONI1"_s), f.number(u"LIN:BONI2"_s),
                                      f.number(u"LIN:BONI3"_s)));
  form.refresh();
}

void BasicosFormBehaviour::refreshing(FormWindow& form, bool finalPass) {
  if (finalPass) return;
  showLineOfCode(form.primary(), form.fields().table(u"Linea"_s));
}

void showLineOfCode(FileManager& products, FileManager& lines) {
  readByCode(lines, u"LIN:KEYCOD"_s, u"LIN:CODIGO"_s, products.buffer().value(u"BAS:CODIGO"_s));
}

}  // namespace bv::basicos
