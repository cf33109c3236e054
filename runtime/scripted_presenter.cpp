#include "runtime/scripted_presenter.h"

namespace bv {

int ScriptedPresenter::present(const MessageBox& box) {
  shown_.push_back(box);
  if (script_.empty()) return box.defaultButton().value;
  const auto next = std::move(script_.front());
  script_.pop_front();
  if (const int* value = std::get_if<int>(&next)) return *value;
  const QString& caption = std::get<QString>(next);
  if (auto value = box.valueOf(caption)) return *value;
  misses_.append(caption);
  return box.defaultButton().value;
}

}  // namespace bv
