#pragma once
// The program's own message window: one window for every message box of the
// program. It shows the box's lines one under the other (a line too long for
// the window it is shown over wraps) beside the standard
// exclamation or information icon, its buttons in centred rows of four, and
// answers the value of the button pressed.
//
// Controls (object names): the window "MessageWindow", the icon "?ICON", the
// lines "?LINE1", "?LINE2", ... and the buttons "?BUTTON1" to "?BUTTON8" in the
// order the box gives them.
#include "runtime/message_box.h"
#include "runtime/message_presenter.h"

#include <QDialog>
#include <QList>
#include <optional>

class QPushButton;
class QVBoxLayout;

namespace bv {

class MessageWindow : public QDialog {
  Q_OBJECT
 public:
  explicit MessageWindow(MessageBox box, QWidget* parent = nullptr);

  // Shows the window, application-modal and centred on the screen, until a
  // button is pressed; answers the button's value (bit set) or position (captions).
  int run();

  const MessageBox& box() const { return box_; }
  QPushButton* button(int index) const { return buttons_.value(index); }

 protected:
  // Escape and the close box answer the box's cancelling button ("Cancelar",
  // "&NO" or "&Abortar", or the only button); a box without one stays open until
  // a button is pressed, so that a question is never answered by accident.
  void reject() override;
  // Centres again once the window's frame is known.
  void showEvent(QShowEvent* event) override;

 private:
  void buildText(QVBoxLayout& into);
  void buildButtons(QVBoxLayout& into);
  // The widest a line of text may be before it wraps.
  int textWidthLimit() const;
  void centreOnScreen();

  MessageBox box_;
  QList<QPushButton*> buttons_;
  std::optional<int> escapeValue_;
};

// The message presenter of the windowed program: each box is one MessageWindow
// over the active window.
class QtMessagePresenter : public MessagePresenter {
 public:
  int present(const MessageBox& box) override;
};

}  // namespace bv
