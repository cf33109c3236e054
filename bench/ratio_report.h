#pragma once
// Runs the registered benchmarks and prints the time of one against the time
// of its baseline, both measured in this run: the benchmarks are told apart
// by a part of their names.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace bv::bench {

// Answers the ratio, or 0 when either benchmark did not run.
inline double runAndReportRatio(const std::string& measured, const std::string& baseline, const char* what) {
  struct Collect : benchmark::ConsoleReporter {
    std::string measuredName, baselineName;
    double measuredTime = 0, baselineTime = 0;
    void ReportRuns(const std::vector<Run>& runs) override {
      ConsoleReporter::ReportRuns(runs);
      for (const Run& r : runs) {
        if (r.benchmark_name().find(measuredName) != std::string::npos) measuredTime = r.GetAdjustedRealTime();
        if (r.benchmark_name().find(baselineName) != std::string::npos) baselineTime = r.GetAdjustedRealTime();
      }
    }
  } reporter;
  reporter.measuredName = measured;
  reporter.baselineName = baseline;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (reporter.baselineTime <= 0 || reporter.measuredTime <= 0) return 0;
  const double ratio = reporter.measuredTime / reporter.baselineTime;
  std::printf("ratio %s: %.2f\n", what, ratio);
  std::fflush(stdout);
  return ratio;
}

}  // namespace bv::bench
