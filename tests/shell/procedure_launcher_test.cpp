#include "runtime/scripted_presenter.h"
#include "shell/child_window.h"
#include "shell/procedure_launcher.h"
#include "shell/request_codes.h"
#include "shell_test_support.h"
#include "storage/errors/error_manager.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace bv;
using namespace bv::testing_shell;

namespace {

// What the window procedure saw when it started.
struct Seen {
  ContextId context = 0;
  int request = -1;
};
QList<Seen> seen;

std::unique_ptr<QWidget> makeList(const ProcedureStart& start) {
  seen.append({ExecutionContext::current(), globalRequest()});
  setGlobalRequest(kChangeRecord);  // as a list does before it calls its form
  auto w = std::make_unique<QLabel>(QStringLiteral("Lista"));
  w->setWindowTitle(start.name);
  return w;
}

QPointer<QObject> gate;
QList<ContextId> resumedIn;

// A procedure that waits for something other than its window.
QCoro::Task<void> waitsForGate(ProcedureStart start) {
  ErrorManager::instance().setProcedureName(QStringLiteral("Espera"));
  co_await whenDestroyed(gate.data());
  ContextGuard guard(start.context);
  resumedIn.append(ExecutionContext::current());
  ErrorManager::instance().removeProcedureName();
}

QCoro::Task<void> fails(ProcedureStart) {
  throw std::runtime_error("sin datos");
  co_return;
}

struct LauncherTest : ::testing::Test {
  ShellTempDir tmp;
  QMdiArea area;
  ProcedureRegistry registry;
  ScriptedPresenter presenter;
  PresenterScope scope{presenter};
  LauncherTest() {
    seen.clear();
    resumedIn.clear();
    area.resize(700, 500);
    area.show();
  }
};

}  // namespace

TEST_F(LauncherTest, EachStartRunsInAFreshContextAndReturnsAtOnce) {
  registry.addWindow(QStringLiteral("BrowseMarca"), makeList);
  ProcedureLauncher launcher(registry, &area);
  setGlobalRequest(kNoRequest);

  const ContextId a = launcher.start(QStringLiteral("BrowseMarca"));
  const ContextId b = launcher.start(QStringLiteral("BrowseMarca"));
  EXPECT_EQ(ExecutionContext::current(), ExecutionContext::kMain);
  EXPECT_NE(a, b);
  EXPECT_NE(a, ExecutionContext::kMain);
  ASSERT_EQ(seen.size(), 2);
  EXPECT_EQ(seen[0].context, a);
  EXPECT_EQ(seen[1].context, b);
  // The same window twice, each open in the area, and the frame's own code
  // untouched by the request the first list set in its context.
  EXPECT_EQ(area.subWindowList().size(), 2);
  EXPECT_EQ(launcher.running(), 2);
  EXPECT_EQ(seen[1].request, kNoRequest);
  EXPECT_EQ(globalRequest(), kNoRequest);
  {
    ContextGuard in(a);
    EXPECT_EQ(globalRequest(), kChangeRecord);
  }

  area.subWindowList().front()->close();
  settle();
  EXPECT_EQ(launcher.running(), 1);
  EXPECT_EQ(area.subWindowList().size(), 1);
  // The ended run's codes are gone with its context.
  ContextGuard in(a);
  EXPECT_EQ(globalRequest(), kNoRequest);
}

TEST_F(LauncherTest, ACoroutineProcedureEndsWhenItsWorkIsDone) {
  auto object = std::make_unique<QObject>();
  gate = object.get();
  registry.add(QStringLiteral("Espera"), waitsForGate);
  ProcedureLauncher launcher(registry, &area);

  const ContextId id = launcher.start(QStringLiteral("Espera"));
  EXPECT_EQ(launcher.running(), 1);
  EXPECT_EQ(ErrorManager::instance().procedureName(), QString());  // the frame's context
  {
    ContextGuard in(id);
    EXPECT_EQ(ErrorManager::instance().procedureName(), QStringLiteral("Espera"));
  }
  object.reset();
  settle();
  EXPECT_EQ(launcher.running(), 0);
  EXPECT_EQ(resumedIn, QList<ContextId>{id});
  EXPECT_EQ(ExecutionContext::current(), ExecutionContext::kMain);
}

TEST_F(LauncherTest, AnUnknownProcedureIsReportedAndAFailingOneDoesNotStopTheFrame) {
  registry.add(QStringLiteral("Falla"), fails);
  ProcedureLauncher launcher(registry, &area);

  EXPECT_EQ(launcher.start(QStringLiteral("Nada")), 0u);
  ASSERT_EQ(presenter.shown().size(), 1u);
  EXPECT_EQ(presenter.shown().back().title(), QStringLiteral("Procedimiento no definido"));
  EXPECT_TRUE(presenter.shown().back().text().contains(QStringLiteral("Nada")));

  EXPECT_NE(launcher.start(QStringLiteral("Falla")), 0u);
  settle();
  ASSERT_EQ(presenter.shown().size(), 2u);
  EXPECT_TRUE(presenter.shown().back().text().contains(QStringLiteral("sin datos")));
  EXPECT_EQ(launcher.running(), 0);
}
