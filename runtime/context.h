#pragma once
// Execution contexts: the "threads" of the system.
//
// Every window started from the menu runs in a context of its own; a form or
// lookup called by a window runs in its caller's context. State that the system
// keeps per thread (open counts, end-of-file flags, procedure names, record
// buffers) is kept per context. All contexts share the one GUI thread, so the
// current context is set by a guard wherever control enters a window's code.
#include <QHash>
#include <cstdint>
#include <functional>
#include <mutex>

namespace bv {

using ContextId = std::uint32_t;

class ExecutionContext {
 public:
  // The context of the program's first thread (the main frame, start-up).
  static constexpr ContextId kMain = 1;
  static ContextId current();
  // A fresh context id for a window started "on a new thread".
  static ContextId create();
  // Tells every listener that a context has ended, so per-context state is
  // dropped. The main context is never released: the frame lives as long as
  // the program.
  static void release(ContextId id);
};

// While it lives, `drop` is called with every context released. Whatever keeps
// state per context holds one, so a window that ends leaves nothing behind.
class ContextReleaseListener {
 public:
  explicit ContextReleaseListener(std::function<void(ContextId)> drop);
  ~ContextReleaseListener();
  ContextReleaseListener(const ContextReleaseListener&) = delete;
  ContextReleaseListener& operator=(const ContextReleaseListener&) = delete;

 private:
  std::uint64_t id_;
};

// Sets the current context for its lifetime and restores the previous one.
class ContextGuard {
 public:
  explicit ContextGuard(ContextId id);
  ~ContextGuard();
  ContextGuard(const ContextGuard&) = delete;
  ContextGuard& operator=(const ContextGuard&) = delete;

 private:
  ContextId previous_;
};

// A value kept once per execution context, created on first access and
// dropped when its context is released.
template <typename T>
class PerContext {
 public:
  PerContext() = default;
  PerContext(const PerContext&) = delete;
  PerContext& operator=(const PerContext&) = delete;
  T& get() { return get(ExecutionContext::current()); }
  T& get(ContextId id) {
    std::lock_guard lock(mutex_);
    return values_[id];
  }
  bool has(ContextId id) const {
    std::lock_guard lock(mutex_);
    return values_.contains(id);
  }
  void drop(ContextId id) {
    std::lock_guard lock(mutex_);
    values_.remove(id);
  }
  template <typename F>
  void forEach(F&& f) {
    std::lock_guard lock(mutex_);
    for (auto it = values_.begin(); it != values_.end(); ++it) f(it.key(), it.value());
  }

 private:
  mutable std::mutex mutex_;
  QHash<ContextId, T> values_;
  // Last, so it stops listening before the values go.
  ContextReleaseListener released_{[this](ContextId id) { drop(id); }};
};

}  // namespace bv
