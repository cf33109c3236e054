#pragma once
// The window of an output menu: its title, one radio button (with its icon and
// description) per choice, "Aceptar" and "Cancelar". Controls carry the names
// "?OPCION" (the group), "?OPCION:<code>" (each choice), "?ACEPTAR" and
// "?CANCELAR".
#include <QDialog>

#include "kalrep/output_menus.h"

class QButtonGroup;

namespace bv {

class OptionWindow : public QDialog {
  Q_OBJECT
 public:
  explicit OptionWindow(const OutputMenu& menu, QWidget* parent = nullptr);
  // The code of the selected choice after "Aceptar" (the preselected code when
  // no choice is selected), kCancelled after "Cancelar" or closing.
  kal::Byte answer() const { return answer_; }
  // Shows the window until it is answered.
  static kal::Byte ask(const OutputMenu& menu, QWidget* parent = nullptr);

 private:
  void accepted();

  OutputMenu menu_;
  QButtonGroup* group_;
  kal::Byte answer_;
};

}  // namespace bv
