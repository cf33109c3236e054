#include "masterdata/terminado/terminado_behaviour.h"

#include "shell/form/form_window.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/linked_value.h"

namespace bv::terminado {

using namespace Qt::StringLiterals;

namespace {
const QString kLine = u"TER:LINEA"_s;
}  // namespace

void readByCode(FileManager& file, const QString& key, const QString& codeField, const FieldValue& code) {
  Record& buffer = file.buffer();
  buffer.clear();
  const FieldDef* field = file.table().field(QStringView(codeField));
  if (!field) return;
  const auto value = linkedValue(code, *field);
  if (!value) return;
  buffer.setValue(*field, *value);
  if (file.tryFetch(file.keyDef(key)) != 0) buffer.clear();
}

void TerminadoFormBehaviour::refreshing(FormWindow& form, bool finalPass) {
  if (finalPass) return;
  // The descriptions beside the three codes always belong to the codes on
  // screen, whether typed, chosen from a list or recalled from the history.
  const Record& product = form.primary().buffer();
  const WindowFields& f = form.fields();
  readByCode(f.table(u"Marca"_s), u"MAR:KEYCOD"_s, u"MAR:CODIGO"_s, product.value(u"TER:MARCA"_s));
  readByCode(f.table(u"Linea"_s), u"LIN:KEYCOD"_s, u"LIN:CODIGO"_s, product.value(kLine));
  readByCode(f.table(u"Carta"_s), u"CAR:KEYCOD"_s, u"CAR:CODIGO"_s, product.value(u"TER:CARTA"_s));
}

bool checkLine(FormWindow& form, bool withMessages) {
  FileManager& products = form.primary();
  const FieldDef* line = products.table().field(QStringView(kLine));
  if (!line) return true;
  if (products.validateField(line->number, withMessages) != 0) {
    form.mark(kLine);
    return false;
  }
  form.unmark(kLine);
  return true;
}

bool TerminadoFormBehaviour::fieldAccepted(FormWindow& form, FieldControl& control) {
  if (control.name().compare(kLine, Qt::CaseInsensitive) != 0) return true;
  // False keeps the focus on the entry until the line exists.
  return checkLine(form, true);
}

void TerminadoFormBehaviour::lookupCancelled(FormWindow& form, FieldControl& control) {
  // The list may have left another record in the buffers: the descriptions
  // go back to what the codes on screen name.
  form.refresh();
  // No line chosen: the entry keeps a code that may name none, and shows so
  // without a further message.
  if (control.name().compare(kLine, Qt::CaseInsensitive) == 0) checkLine(form, false);
}

bool TerminadoFormBehaviour::completing(FormWindow& form) {
  if (checkLine(form, true)) return true;
  form.focusField(kLine);
  return false;
}

}  // namespace bv::terminado
