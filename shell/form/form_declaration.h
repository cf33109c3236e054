#pragma once
// An update form described by data: its table, its fields with their prompts,
// pictures and controls, the lookups of its entries and the few choices a form
// makes (Enter as Tab, what insert and cancel do). The form window of
// form_window.h does everything else, so a maintenance form is a short
// declaration plus whatever it does beyond the common behaviour.
#include "shell/behaviour/form_behaviour.h"
#include "shell/form/lookup_declaration.h"
#include "shell/lines/line_declaration.h"
#include "storage/dictionary/field_value.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace bv {

class FormWindow;
class RelationManagers;

enum class FormControl {
  Entry,    // a one-line entry with the field's picture
  Option,   // radio buttons, one per choice
  Check,    // a check box: choices[0] is the value when clear, choices[1] when set
  Text,     // a multi-line text
  Display,  // shows a value, never edited (a related record's field, a computed value)
};

struct FormChoice {
  QString text;   // "Mezcla"
  QString value;  // "M"
};

struct FormField {
  QString prompt;   // "&Codigo:"; empty: no prompt
  QString field;    // "MAR:CODIGO", or the name of a computed value (displays)
  QString picture;  // empty: the field's own picture
  FormControl control = FormControl::Entry;
  bool history = false;  // the history key restores it
  QString after;         // text after the control: "%", "Lts."
  QString tip;
  std::vector<FormChoice> choices;  // options and check boxes
  std::optional<FormLookup> lookup;
  bool sameRow = false;  // shown beside the previous field (a description beside its code)
  bool readOnly = false;

  // The usual kinds, for short declarations.
  static FormField entry(QString prompt, QString field, QString picture = {}) {
    FormField f;
    f.prompt = std::move(prompt);
    f.field = std::move(field);
    f.picture = std::move(picture);
    return f;
  }
  static FormField display(QString field, QString picture = {}) {
    FormField f;
    f.field = std::move(field);
    f.picture = std::move(picture);
    f.control = FormControl::Display;
    return f;
  }
  FormField& withHistory() {
    history = true;
    return *this;
  }
  FormField& beside() {
    sameRow = true;
    return *this;
  }
};

struct FormTab {
  QString caption;  // "General"
  std::vector<FormField> fields;
  // A list of child lines below the fields, edited in place and written with
  // the record in one transaction.
  std::optional<LineListDeclaration> lines;
};

// What a successful insert does.
enum class AfterInsert {
  ReturnToCaller,  // the form closes and answers completed
  AskForAnother,   // message 3: another record in the same form, or close
};

// What cancelling a changed record does.
enum class CancelAction {
  OfferToSave,  // message 35: save, discard, or go back to the form
  Confirm,      // message 8: discard, or go back to the form
  Discard,      // close without a question
};

// A value the form computes from its buffers for a display ("CostoNeto").
struct FormValue {
  QString name;
  std::function<FieldValue(FormWindow&)> compute;
};

// A button of the form's own ("Calcular Peso Específico").
struct FormButton {
  QString text;
  QString name;  // its control name: "?CalcularPeso"
  QString icon;  // empty: none
};

struct FormDeclaration {
  QString procedure;  // "UpdateMarca": reported to the error manager while it runs
  QString caption;    // "Update Marca File"
  QString table;      // the primary table: "Marca"
  QString background;  // the window's background image ("wizBck02.gif"); empty: none
  std::vector<FormTab> tabs;
  // Further tables whose relation managers the form opens beside its own.
  QStringList opens;
  bool enterAsTab = false;
  AfterInsert afterInsert = AfterInsert::ReturnToCaller;
  CancelAction cancel = CancelAction::OfferToSave;
  QString okText = QStringLiteral("&OK");
  QString okIcon = QStringLiteral("wizOk.ico");
  QString cancelText = QStringLiteral("&Cancel");
  QString cancelIcon = QStringLiteral("wizCncl.ico");
  // Titles that differ from the usual ones, by request.
  std::map<int, QString> titles;
  std::vector<FormValue> values;

  // Buttons of the form's own, beside OK and cancel; pressing one calls the
  // behaviour's buttonPressed with its control name.
  std::vector<FormButton> buttons;

  // What the form does beyond the common behaviour: made for each form it
  // opens (its working values and hooks). None: the common behaviour only.
  std::function<std::unique_ptr<FormBehaviour>()> behaviour;
  // Makes a window of a class derived from FormWindow (a form with line lists).
  std::function<std::unique_ptr<FormWindow>(const FormDeclaration&, RelationManagers&, int request)> make;
};

}  // namespace bv
