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
  // Tells every listener that a context has ended, so per-context state is dropped.
  static void release(ContextId id);
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

// A value kept once per execution context, created on first access.
template <typename T>
class PerContext {
 public:
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
};

}  // namespace bv
