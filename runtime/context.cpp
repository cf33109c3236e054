#include "runtime/context.h"

#include <atomic>
#include <memory>
#include <vector>

namespace bv {
namespace {
std::atomic<ContextId> currentId{ExecutionContext::kMain};
std::atomic<ContextId> lastId{ExecutionContext::kMain};

struct Listener {
  std::uint64_t id;
  std::shared_ptr<std::function<void(ContextId)>> drop;
};

struct Listeners {
  std::mutex mutex;
  std::vector<Listener> all;
  std::uint64_t lastId = 0;
};

// Never destroyed: static per-context values stop listening during the
// program's exit, in any order.
Listeners& listeners() {
  static auto* registry = new Listeners;
  return *registry;
}
}  // namespace

ContextId ExecutionContext::current() { return currentId.load(); }
ContextId ExecutionContext::create() { return ++lastId; }

void ExecutionContext::release(ContextId id) {
  if (id == 0 || id == kMain) return;
  // Each listener is called outside the lock, and only while it still listens:
  // one listener's drop may end another.
  Listeners& l = listeners();
  std::vector<std::uint64_t> ids;
  {
    std::lock_guard lock(l.mutex);
    for (const Listener& listener : l.all) ids.push_back(listener.id);
  }
  for (const std::uint64_t listenerId : ids) {
    std::shared_ptr<std::function<void(ContextId)>> drop;
    {
      std::lock_guard lock(l.mutex);
      for (const Listener& listener : l.all)
        if (listener.id == listenerId) drop = listener.drop;
    }
    if (drop) (*drop)(id);
  }
}

ContextReleaseListener::ContextReleaseListener(std::function<void(ContextId)> drop) {
  Listeners& l = listeners();
  std::lock_guard lock(l.mutex);
  id_ = ++l.lastId;
  l.all.push_back({id_, std::make_shared<std::function<void(ContextId)>>(std::move(drop))});
}

ContextReleaseListener::~ContextReleaseListener() {
  Listeners& l = listeners();
  std::lock_guard lock(l.mutex);
  std::erase_if(l.all, [this](const Listener& listener) { return listener.id == id_; });
}

ContextGuard::ContextGuard(ContextId id) : previous_(currentId.exchange(id)) {}
ContextGuard::~ContextGuard() { currentId = previous_; }

}  // namespace bv
