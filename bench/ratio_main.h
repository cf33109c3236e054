#pragma once
// A benchmark main that runs the registered benchmarks under an off-screen
// application with the program's messages loaded, and prints the time of the
// measured case over the time of its baseline, each found by a part of its
// benchmark's name. `before` runs once the application exists; `after` before
// it goes (dropping the stations).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <functional>
#include <string>

#include "storage/errors/error_manager.h"
#include "storage/errors/standard_messages.h"

namespace bv::bench {

struct RatioCase {
  const char* measured;  // part of the measured benchmark's name
  const char* baseline;  // part of the baseline's name
  const char* what;      // "formula listing of 10000 formulas to PDF / reading the same view"
};

inline int runRatioMain(int argc, char** argv, const RatioCase& ratio, const std::function<void()>& before = {},
                        const std::function<void()>& after = {}) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qargc = 1;
  QApplication app(qargc, argv);
  ErrorManager::instance().loadTable(standardMessageBlock());
  if (before) before();
  benchmark::Initialize(&argc, argv);
  struct Collect : benchmark::ConsoleReporter {
    explicit Collect(const RatioCase& c) : ratio(c) {}
    const RatioCase& ratio;
    double measured = 0, baseline = 0;
    void ReportRuns(const std::vector<Run>& runs) override {
      ConsoleReporter::ReportRuns(runs);
      for (const Run& r : runs) {
        const std::string name = r.benchmark_name();
        if (name.find(ratio.measured) != std::string::npos) measured = r.GetAdjustedRealTime();
        if (name.find(ratio.baseline) != std::string::npos) baseline = r.GetAdjustedRealTime();
      }
    }
  } reporter(ratio);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (reporter.baseline > 0) std::printf("ratio %s: %.2f\n", ratio.what, reporter.measured / reporter.baseline);
  std::fflush(stdout);
  if (after) after();
  return 0;
}

}  // namespace bv::bench
