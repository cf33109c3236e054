#pragma once
// One control of a form bound to a record field: it shows the field's value
// from the buffer through the picture, and reads what the user typed or chose
// back into a value of the field's type.
//
// Control names: the control "?" followed by the field as declared
// ("?MAR:CODIGO"), its prompt "?MAR:CODIGO:Prompt", the text after it
// "?MAR:CODIGO:After", the lookup button "?Lookup:MAR:CODIGO" and the radio
// buttons of an option "?TER:SISTEMA:1", "?TER:SISTEMA:2", ...
#include "runtime/picture.h"
#include "shell/field_access.h"
#include "shell/form/form_declaration.h"

#include <QPointer>
#include <QString>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace bv {

class FieldControl {
 public:
  virtual ~FieldControl() = default;

  // Makes the control for a declared field. `bound` is empty for a computed value.
  static std::unique_ptr<FieldControl> make(const FormField& declared, std::optional<BoundField> bound,
                                            QWidget* parent);

  const FormField& declared() const { return declared_; }
  const QString& name() const { return declared_.field; }
  // The field in the buffers; nullopt for a computed value.
  const std::optional<BoundField>& bound() const { return bound_; }
  const Picture& picture() const { return picture_; }
  bool isDisplay() const { return declared_.control == FormControl::Display; }
  bool hasLookup() const { return declared_.lookup.has_value(); }

  // The control that takes the focus.
  virtual QWidget* widget() const = 0;
  virtual void show(const FieldValue& value) = 0;
  // What the control holds as a value of the field's type; nullopt when the
  // text is no value of that type (a letter in a number).
  virtual std::optional<FieldValue> typed() const = 0;
  virtual void setEditable(bool on) = 0;
  // Changed by the user since it last showed or gave its value.
  virtual bool isModified() const = 0;
  virtual void setModified(bool on) = 0;

  // Shows the field's value from the buffer (a computed value through `compute`).
  void showBuffer();
  // Stores the control's value into the buffer; false when it cannot be read
  // or the field refuses it. With `withMessages` a refusal is always shown:
  // message 17 or 18 for a value too large or too small, "Error en Valor" for
  // text that is no number or date.
  bool store(bool withMessages);

  QLabel* prompt = nullptr;
  QLabel* after = nullptr;
  QPushButton* lookupButton = nullptr;
  std::function<FieldValue()> compute;  // a computed display's value

 protected:
  FieldControl(const FormField& declared, std::optional<BoundField> bound);
  FieldValue blank() const;
  void refuseUnreadable();

  FormField declared_;
  std::optional<BoundField> bound_;
  Picture picture_;
  bool refusing_ = false;
};

}  // namespace bv
