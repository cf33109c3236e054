// Releasing an execution context drops what every holder kept for it.
#include "runtime/context.h"
#include "runtime/runtime_error.h"

#include <QList>
#include <memory>
#include <gtest/gtest.h>
#include <optional>

using namespace bv;

TEST(ExecutionContext, ReleaseDropsPerContextValuesAndTellsEveryListenerWhileItListens) {
  PerContext<int> counts;
  const ContextId window = ExecutionContext::create();
  counts.get(window) = 3;
  counts.get(ExecutionContext::kMain) = 7;
  {
    ContextGuard guard(window);
    setRuntimeError(90, "Error de archivo");
  }
  QList<ContextId> heard;
  std::optional<ContextReleaseListener> listener;
  listener.emplace([&heard](ContextId id) { heard.append(id); });

  ExecutionContext::release(window);
  EXPECT_FALSE(counts.has(window));
  EXPECT_EQ(counts.get(ExecutionContext::kMain), 7);
  EXPECT_EQ(heard, QList<ContextId>{window});
  {
    ContextGuard guard(window);
    EXPECT_EQ(currentRuntimeError().code, 0);  // the runtime's own per-context state too
  }

  // The frame's context is never released; a listener gone hears nothing.
  ExecutionContext::release(ExecutionContext::kMain);
  EXPECT_TRUE(counts.has(ExecutionContext::kMain));
  listener.reset();
  ExecutionContext::release(ExecutionContext::create());
  EXPECT_EQ(heard.size(), 1);
}

TEST(ExecutionContext, AListenerMayEndAnotherDuringTheRelease) {
  int secondCalls = 0;
  auto second = std::make_unique<ContextReleaseListener>([&](ContextId) { ++secondCalls; });
  ContextReleaseListener first([&](ContextId) { second.reset(); });
  // Whichever runs first, the one ended is not called afterwards.
  ExecutionContext::release(ExecutionContext::create());
  ExecutionContext::release(ExecutionContext::create());
  EXPECT_LE(secondCalls, 1);
  EXPECT_EQ(second, nullptr);
}
