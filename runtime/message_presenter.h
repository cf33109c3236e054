#pragma once
// The program-wide message window: every message box of the program (the error
// manager's and every other one) goes through the one installed presenter. The
// main frame installs its window when it opens, the headless runner its
// standard-error presenter, tests a scripted one.
#include "runtime/message_box.h"

namespace bv {

class MessagePresenter {
 public:
  virtual ~MessagePresenter() = default;
  // Shows the box until a button is pressed; answers the button's value (bit set)
  // or its position from 1 (captions).
  virtual int present(const MessageBox& box) = 0;

  // The installed presenter, or nullptr when none is.
  static MessagePresenter* installed();
  // Installs a presenter (not owned; nullptr uninstalls) and gives back the one
  // it replaces.
  static MessagePresenter* install(MessagePresenter* presenter);
};

// Installs a presenter for its lifetime and restores the previous one.
class PresenterScope {
 public:
  explicit PresenterScope(MessagePresenter& presenter);
  ~PresenterScope();
  PresenterScope(const PresenterScope&) = delete;
  PresenterScope& operator=(const PresenterScope&) = delete;

 private:
  MessagePresenter* previous_;
};

// Shows a box through the installed presenter. With none installed (before the
// main frame opens) the message is written to standard error and answered as the
// headless runner answers it, so no message is ever lost unseen.
int showMessage(const MessageBox& box);
int showMessage(const QString& text, const QString& title = {},
                MessageIcon icon = MessageIcon::None, int buttons = kButtonOk,
                int defaultButton = 0);
int showMessage(const QString& text, const QString& title, MessageIcon icon,
                const QString& captions, int defaultButton = 0);

}  // namespace bv
