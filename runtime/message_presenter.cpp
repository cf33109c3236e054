#include "runtime/message_presenter.h"

#include "runtime/stderr_presenter.h"

#include <atomic>

namespace bv {
namespace {
std::atomic<MessagePresenter*> current{nullptr};
}

MessagePresenter* MessagePresenter::installed() { return current.load(); }

MessagePresenter* MessagePresenter::install(MessagePresenter* presenter) {
  return current.exchange(presenter);
}

PresenterScope::PresenterScope(MessagePresenter& presenter)
    : previous_(current.exchange(&presenter)) {}
PresenterScope::~PresenterScope() { current = previous_; }

int showMessage(const MessageBox& box) {
  if (MessagePresenter* p = current.load()) return p->present(box);
  static StderrPresenter fallback;
  return fallback.present(box);
}

int showMessage(const QString& text, const QString& title, MessageIcon icon, int buttons,
                int defaultButton) {
  return showMessage(MessageBox(text, title, icon, buttons, defaultButton));
}

int showMessage(const QString& text, const QString& title, MessageIcon icon,
                const QString& captions, int defaultButton) {
  return showMessage(MessageBox(text, title, icon, captions, defaultButton));
}

}  // namespace bv
