#pragma once
// A message window for tests: answers from a queue, by caption or by value, and
// records every box shown. With the queue empty a box takes its default button.
#include "runtime/message_presenter.h"

#include <deque>
#include <variant>

namespace bv {

class ScriptedPresenter : public MessagePresenter {
 public:
  // Answers the next box with the button of this caption ("&NO").
  void answer(const QString& caption) { script_.push_back(caption); }
  // Answers the next box with this value (bit set) or position (captions).
  void answer(int value) { script_.push_back(value); }

  int present(const MessageBox& box) override;

  const std::deque<MessageBox>& shown() const { return shown_; }
  // Scripted captions that the box they were meant for did not have; such a box
  // took its default button.
  const QStringList& misses() const { return misses_; }
  std::size_t pending() const { return script_.size(); }

 private:
  std::deque<std::variant<QString, int>> script_;
  std::deque<MessageBox> shown_;
  QStringList misses_;
};

}  // namespace bv
