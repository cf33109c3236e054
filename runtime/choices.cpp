#include "runtime/choices.h"

#include <atomic>

namespace bv {
namespace {
std::atomic<Choices*> current{nullptr};
}

Choices* Choices::installed() { return current.load(); }

std::optional<QString> Choices::ask(const Choice& choice) {
  if (Choices* c = installed()) return c->choose(choice);
  return choice.defaultValue;
}

ChoicesScope::ChoicesScope(Choices& choices) : previous_(current.exchange(&choices)) {}
ChoicesScope::~ChoicesScope() { current = previous_; }

std::optional<QString> ScriptedChoices::choose(const Choice& choice) {
  asked_.push_back(choice);
  auto it = script_.find(choice.id);
  if (it == script_.end() || it->empty()) return choice.defaultValue;
  auto value = std::move(it->front());
  it->pop_front();
  return value;
}

}  // namespace bv
