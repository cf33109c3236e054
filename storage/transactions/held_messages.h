#pragma once
// Holds the notices raised while a transaction has its files locked and shows
// them once it has ended, so that no other station waits on those files while
// the user reads a message. A box that asks a question needs its answer at
// once, and a fatal one ends the program: both are shown when raised.
#include <vector>

#include "runtime/message_presenter.h"

namespace bv {

class HeldMessages : public MessagePresenter {
 public:
  // Takes the place of the installed presenter.
  HeldMessages();
  // Shows whatever is still held.
  ~HeldMessages() override;
  HeldMessages(const HeldMessages&) = delete;
  HeldMessages& operator=(const HeldMessages&) = delete;

  // A notice is held and answered with its one button.
  int present(const MessageBox& box) override;
  // Gives the place back and shows the held boxes in the order they were raised.
  void release();
  std::size_t held() const { return held_.size(); }

 private:
  int forward(const MessageBox& box);

  MessagePresenter* previous_;
  std::vector<MessageBox> held_;
  bool released_ = false;
};

}  // namespace bv
