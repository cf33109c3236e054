#include "runtime/context.h"
#include "runtime/halt.h"
#include "runtime/runtime_error.h"

#include <gtest/gtest.h>

using namespace bv;

TEST(Halt, OverrideObservesWithoutEnding) {
  HaltRecorder outer;
  {
    HaltRecorder inner;
    halt("Error de Acceso");
    EXPECT_EQ(inner.texts(), QStringList({"Error de Acceso"}));
  }
  EXPECT_FALSE(outer.halted());
  halt("otra");
  EXPECT_EQ(outer.texts(), QStringList({"otra"}));
}

TEST(HaltDeathTest, WithoutOverrideTheProcessEndsWithTheHaltStatus) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(halt("Error de Acceso"), testing::ExitedWithCode(0), "");
  EXPECT_EXIT((setHaltExitStatus(3), halt("x")), testing::ExitedWithCode(3), "");
}

TEST(RuntimeError, IsKeptPerContext) {
  const ContextId other = ExecutionContext::create();
  setRuntimeError(90, "Error de archivo", "28", "No space left on device");
  {
    ContextGuard guard(other);
    EXPECT_EQ(currentRuntimeError(), RuntimeError{});
    setRuntimeError(40, "Clave duplicada");
  }
  EXPECT_EQ(currentRuntimeError().fileText, "No space left on device");
  clearRuntimeError();
  EXPECT_EQ(currentRuntimeError().code, 0);
  ContextGuard guard(other);
  EXPECT_EQ(currentRuntimeError().code, 40);
  dropRuntimeError(other);
  EXPECT_EQ(currentRuntimeError().code, 0);
}
