#include "production/produccion/produccion_behaviour.h"

#include "masterdata/related_record.h"
#include "production/produccion/component_b.h"
#include "production/produccion/produccion_windows.h"
#include "runtime/message_presenter.h"
#include "shell/form/form_window.h"
#include "shell/globals.h"
#include "shell/lines/line_list.h"
#include "shell/request_codes.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"

#include <QLabel>
#include <QPushButton>

namespace bv::produccion {

using namespace Qt::StringLiterals;

ProduccionFormBehaviour::ProduccionFormBehaviour() {
  values_.number(u"TOTAL"_s, 14, 2, u"n-14.2"_s);
  values_.number(u"VOLTOT"_s, 14, 2, u"n-14.2"_s);
  values_.number(u"LOC:COSTOBASICO"_s, 12, 2, u"n-12.2"_s);
  values_.number(u"PRECIONETOVENTA"_s, 12, 2, u"n-12.2"_s);
  values_.number(u"LOC:IVA"_s, 12, 2, u"n-12.2"_s);
  values_.text(u"LOC:TEXTOB"_s, 80);
}

OrderEntry ProduccionFormBehaviour::entry(FormWindow& form) {
  LineList* lines = form.lineList();
  return OrderEntry(form.relations().files(), form.primary().buffer(), lines ? lines->lines() : noLines_, figures_,
                    [](const QString& text, const QString& caption) { showMessage(text, caption); });
}

void ProduccionFormBehaviour::publish(FormWindow& form) {
  if (LineList* lines = form.lineList()) lines->refresh();
  values_.set(u"TOTAL"_s, figures_.total);
  values_.set(u"VOLTOT"_s, figures_.volumeTotal);
  values_.set(u"LOC:COSTOBASICO"_s, figures_.basicCost);
  values_.set(u"PRECIONETOVENTA"_s, figures_.prices.net);
  values_.set(u"LOC:IVA"_s, figures_.prices.vat);
  values_.set(u"LOC:TEXTOB"_s, figures_.complement);
}

void ProduccionFormBehaviour::primed(FormWindow& form) {
  Record& header = form.primary().buffer();
  // A new order takes at least the number the frame worked out for it.
  const Decimal number = header.decimal("PRO1:CODIGO");
  if (number.isZero() || number < glo().NuevaProduccion) header.setDecimal("PRO1:CODIGO", glo().NuevaProduccion);
  // Today and 'P' for a new order, before the form holds it as primed.
  entry(form).completeNewHeader();
}

void ProduccionFormBehaviour::opened(FormWindow& form) {
  Record& header = form.primary().buffer();
  OrderEntry steps = entry(form);
  steps.readParameters();
  // A stored order is costed with its own line's margin and discounts, and
  // its product lookup offers that line's products.
  FileManagers& files = form.relations().files();
  readByCode(files[u"Linea"_s], u"LIN:KEYCOD"_s, u"LIN:CODIGO"_s, header.value(u"PRO1:LINEA"_s));
  glo().Linea = header.decimal("PRO1:LINEA");
  readByCode(files[u"Terminado"_s], u"TER:KEYCOD"_s, u"TER:CODIGO"_s, header.value(u"PRO1:CODIGO_TERMINADO"_s));
  readByCode(files[u"Clientes"_s], u"CLI:KEYCOD"_s, u"CLI:CODIGO"_s, header.value(u"PRO1:CLIENTE"_s));
  readByCode(files[u"A_Basicos"_s], u"A_BAS:KEYCOD"_s, u"A_BAS:CODIGO"_s, header.value(u"PRO1:COMPONENTE_B"_s));
  line_ = header.value(u"PRO1:LINEA"_s);
  product_ = header.value(u"PRO1:CODIGO_TERMINADO"_s);
  quantity_ = header.value(u"PRO1:CANTIDAD"_s);
  // The product of an order that has one cannot be changed.
  lockProduct(form, !header.text("PRO1:CODIGO_TERMINADO").trimmed().isEmpty());
  if (!header.text("PRO1:CODIGO_TERMINADO").trimmed().isEmpty()) showQuantityPrompt(form, steps.hasPartB());
  steps.sumLines();
  if (!header.text("PRO1:COMPONENTE_B").trimmed().isEmpty()) {
    figures_.complement =
        complementText(header.text("PRO1:COMPONENTE_B").trimmed(), files[u"A_Basicos"_s].buffer().text("A_BAS:DESCRIPCION"));
  }
  publish(form);
  form.refresh();
}

void ProduccionFormBehaviour::lockProduct(FormWindow& form, bool locked) {
  if (FieldControl* product = form.control(u"PRO1:CODIGO_TERMINADO"_s)) {
    product->setEditable(!locked);
    product->widget()->setEnabled(!locked);
    if (product->lookupButton) product->lookupButton->setEnabled(!locked);
  }
}

void ProduccionFormBehaviour::showQuantityPrompt(FormWindow& form, bool partB) {
  if (FieldControl* quantity = form.control(u"PRO1:CANTIDAD"_s); quantity && quantity->prompt)
    quantity->prompt->setText(partB ? u"Cantidad a producir (A+B):"_s : u"&Cantidad a producir:"_s);
}

void ProduccionFormBehaviour::refreshing(FormWindow& form, bool finalPass) {
  // The totals follow the lines as they are edited.
  if (form.lineList()) {
    entry(form).sumLines();
    values_.set(u"TOTAL"_s, figures_.total);
    values_.set(u"VOLTOT"_s, figures_.volumeTotal);
  }
  if (!finalPass) return;
  // A product the file does not hold is shown in red until it is valid.
  const Record& header = form.primary().buffer();
  FileManager& terminado = form.relations().files()[u"Terminado"_s];
  readByCode(terminado, u"TER:KEYCOD"_s, u"TER:CODIGO"_s, header.value(u"PRO1:CODIGO_TERMINADO"_s));
  const bool valid = !header.text("PRO1:CODIGO_TERMINADO").trimmed().isEmpty() &&
                     !terminado.buffer().text("TER:CODIGO").trimmed().isEmpty();
  if (!valid)
    form.mark(u"PRO1:CODIGO_TERMINADO"_s, QColor(255, 0, 0));
  else if (form.isMarked(u"PRO1:CODIGO_TERMINADO"_s))
    form.unmark(u"PRO1:CODIGO_TERMINADO"_s);
}

bool ProduccionFormBehaviour::beforeField(FormWindow& form, FieldControl& control) {
  if (control.name() != u"PRO1:LINEA"_s) return true;
  // The product lookup offers the products of the line being entered.
  const std::optional<FieldValue> typed = control.typed();
  const Decimal* line = typed ? std::get_if<Decimal>(&*typed) : nullptr;
  if (line && !line->isZero()) {
    glo().Linea = *line;
    if (!(*typed == line_)) lockProduct(form, false);
  }
  return true;
}

bool ProduccionFormBehaviour::fieldAccepted(FormWindow& form, FieldControl& control) {
  Record& header = form.primary().buffer();
  const QString& name = control.name();
  OrderEntry steps = entry(form);
  if (name == u"PRO1:LINEA"_s) {
    if (header.value(u"PRO1:LINEA"_s) == line_) return true;
    line_ = header.value(u"PRO1:LINEA"_s);
    steps.lineChanged();
    product_ = quantity_ = FieldValue(QString());
    publish(form);
  } else if (name == u"PRO1:CODIGO_TERMINADO"_s) {
    if (header.value(u"PRO1:CODIGO_TERMINADO"_s) == product_) return true;
    product_ = header.value(u"PRO1:CODIGO_TERMINADO"_s);
    if (form.isMarked(u"PRO1:CODIGO_TERMINADO"_s)) form.unmark(u"PRO1:CODIGO_TERMINADO"_s);
    steps.productAccepted();
    showQuantityPrompt(form, steps.hasPartB());
    quantity_ = header.value(u"PRO1:CANTIDAD"_s);
    publish(form);
  } else if (name == u"PRO1:CANTIDAD"_s) {
    if (header.value(u"PRO1:CANTIDAD"_s) == quantity_) return true;
    const bool accepted = steps.quantityAccepted();
    quantity_ = header.value(u"PRO1:CANTIDAD"_s);
    readByCode(form.relations().files()[u"A_Basicos"_s], u"A_BAS:KEYCOD"_s, u"A_BAS:CODIGO"_s,
               header.value(u"PRO1:COMPONENTE_B"_s));
    publish(form);
    if (!accepted) {
      form.refresh();
      return false;  // the quantity is asked again
    }
  } else if (name == u"LIN:MARGEN"_s) {
    steps.reprice();
    publish(form);
  }
  return true;
}

bool ProduccionFormBehaviour::completing(FormWindow& form) {
  // "&Grabar": from now on this form never reloads the formula.
  figures_.saving = true;
  entry(form).computePrices();
  publish(form);
  form.refresh();
  return true;
}

void ProduccionFormBehaviour::buttonPressed(FormWindow& form, const QString& name) {
  OrderEntry steps = entry(form);
  if (name == QLatin1StringView(kReloadButton)) {
    steps.load();
  } else if (name == QLatin1StringView(kCalculateButton)) {
    steps.computePrices();
  } else {
    // "Calcular el peso específico": the weight is worked out at every loading already.
    return;
  }
  publish(form);
  form.refresh();
}

}  // namespace bv::produccion
