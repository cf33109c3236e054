#include "storage/transactions/held_messages.h"

#include "storage/errors/error_manager.h"

namespace bv {

HeldMessages::HeldMessages() : previous_(MessagePresenter::install(this)) {}

HeldMessages::~HeldMessages() { release(); }

int HeldMessages::present(const MessageBox& box) {
  const bool fatal = box.text().endsWith(QLatin1String(ErrorManager::kFatalSuffix));
  if (released_ || fatal || box.buttons().size() != 1) return forward(box);
  held_.push_back(box);
  return box.defaultButton().value;
}

int HeldMessages::forward(const MessageBox& box) {
  // The box goes where it would have gone without this presenter.
  const bool installed = MessagePresenter::installed() == this;
  if (installed) MessagePresenter::install(previous_);
  const int answer = showMessage(box);
  if (installed) MessagePresenter::install(this);
  return answer;
}

void HeldMessages::release() {
  if (released_) return;
  released_ = true;
  if (MessagePresenter::installed() == this) MessagePresenter::install(previous_);
  std::vector<MessageBox> boxes;
  boxes.swap(held_);
  for (const MessageBox& box : boxes) showMessage(box);
}

}  // namespace bv
