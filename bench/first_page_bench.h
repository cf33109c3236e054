#pragma once
// What the list benchmarks share: opening a declared list in a context of its
// own as the menu would, showing its first page and closing it; and a main
// that runs the small and the large case and prints their ratio.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <cstdio>
#include <functional>
#include <string>

#include "shell/browse/list_window.h"
#include "shell/child_window.h"
#include "shell/request_codes.h"
#include "storage/errors/standard_messages.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"

namespace bv::bench {

inline void showFirstPage(benchmark::State& state, const ListDeclaration& declaration, FileManagers& files,
                          RelationManagers& relations, QMdiArea& area) {
  for (auto _ : state) {
    const ContextId context = ExecutionContext::create();
    {
      ContextGuard guard(context);
      setGlobalRequest(kNoRequest);
      std::unique_ptr<ListWindow> list = makeList(declaration, relations);
      ListWindow* shown = list.get();
      QMdiSubWindow* child = openChildWindow(area, std::move(list), declaration.procedure);
      QCoreApplication::processEvents();
      benchmark::DoNotOptimize(shown->rows().size());
      if (shown->rows().empty()) state.SkipWithError("the list shows no rows");
      child->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    files.dropContext(context);
    relations.dropContext(context);
    ExecutionContext::release(context);
  }
}

// Runs the registered benchmarks and prints the time of the one whose name
// holds "Of100000" over the one whose name holds "Of1000". `before` runs once
// the application exists; `after` before it goes (dropping the stations).
inline int runRatio(int argc, char** argv, const char* what, const std::function<void()>& before,
                    const std::function<void()>& after) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qargc = 1;
  QApplication app(qargc, argv);
  ErrorManager::instance().loadTable(standardMessageBlock());
  if (before) before();
  benchmark::Initialize(&argc, argv);
  struct Collect : benchmark::ConsoleReporter {
    double small = 0, large = 0;
    void ReportRuns(const std::vector<Run>& runs) override {
      ConsoleReporter::ReportRuns(runs);
      for (const Run& r : runs) {
        const std::string name = r.benchmark_name();
        if (name.find("Of100000") != std::string::npos)
          large = r.GetAdjustedRealTime();
        else if (name.find("Of1000") != std::string::npos)
          small = r.GetAdjustedRealTime();
      }
    }
  } reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (reporter.small > 0) std::printf("ratio %s, first page on 100,000 rows / on 1,000 rows: %.2f\n", what, reporter.large / reporter.small);
  std::fflush(stdout);
  if (after) after();
  return 0;
}

}  // namespace bv::bench
