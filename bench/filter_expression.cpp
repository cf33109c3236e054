// The finished-product listing's filter over a million products: the compiled
// expression against the same six comparisons written by hand in C++.
// Prints the ratio of their times (interpreted / hand-written) at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "runtime/filter/filter_expression.h"

namespace {

using bv::Decimal;

struct Product {
  Decimal linea, carta, marca;
};

struct Ranges {
  Decimal lid = 3, lih = 15, cad = 5, cah = 40, mad = 2, mah = 25;
};

const std::vector<Product>& products() {
  static const std::vector<Product> all = [] {
    std::mt19937 random(20240305);
    std::uniform_int_distribution<int> linea(1, 20), carta(1, 60), marca(1, 30);
    std::vector<Product> v(1'000'000);
    for (Product& p : v) p = {linea(random), carta(random), marca(random)};
    return v;
  }();
  return all;
}

const Ranges kRanges;

// Reads the current product's fields and the listing's bound globals.
class ProductBinding final : public bv::FilterBinding {
 public:
  ProductBinding() {
    for (const char* name : {"TER:Linea", "TER:Carta", "TER:Marca", "Glo:LID", "Glo:LIH", "Glo:CAD", "Glo:CAH",
                             "Glo:MAD", "Glo:MAH"})
      names_.add(name);
  }
  void setCurrent(const Product& p) { current_ = &p; }

  int resolve(const QString& name) const override { return names_.find(name); }
  bv::FilterValue::Kind kind(int) const override { return bv::FilterValue::Kind::Number; }
  Decimal number(int slot) const override {
    switch (slot) {
      case 0: return current_->linea;
      case 1: return current_->carta;
      case 2: return current_->marca;
      case 3: return kRanges.lid;
      case 4: return kRanges.lih;
      case 5: return kRanges.cad;
      case 6: return kRanges.cah;
      case 7: return kRanges.mad;
      default: return kRanges.mah;
    }
  }
  QString text(int slot) const override { return number(slot).toQString(); }

 private:
  bv::FilterNameIndex names_;
  const Product* current_ = nullptr;
};

const QString kListing =
    "TER:Linea=>Glo:LID and TER:Linea<=Glo:LIH and TER:Carta=>Glo:CAD and TER:Carta<=Glo:CAH and "
    "TER:Marca=>Glo:MAD and TER:Marca<=Glo:MAH";

bool handWritten(const Product& p, const Ranges& g) {
  return p.linea >= g.lid && p.linea <= g.lih && p.carta >= g.cad && p.carta <= g.cah && p.marca >= g.mad &&
         p.marca <= g.mah;
}

long interpretedCount(const bv::FilterExpression& filter, ProductBinding& binding) {
  long passed = 0;
  for (const Product& p : products()) {
    binding.setCurrent(p);
    passed += filter.evaluate(binding);
  }
  return passed;
}

long handWrittenCount() {
  long passed = 0;
  for (const Product& p : products()) passed += handWritten(p, kRanges);
  return passed;
}

void BM_ListingFilterInterpreted(benchmark::State& state) {
  ProductBinding binding;
  QString reason;
  const auto filter = bv::FilterExpression::compile(kListing, binding, &reason);
  if (!filter) {
    state.SkipWithError(qPrintable(reason));
    return;
  }
  long passed = 0;
  for (auto _ : state) {
    passed = interpretedCount(*filter, binding);
    benchmark::DoNotOptimize(passed);
  }
  state.counters["passed"] = static_cast<double>(passed);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(products().size()));
}
BENCHMARK(BM_ListingFilterInterpreted)->Unit(benchmark::kMillisecond);

void BM_ListingFilterHandWritten(benchmark::State& state) {
  long passed = 0;
  for (auto _ : state) {
    passed = handWrittenCount();
    benchmark::DoNotOptimize(passed);
  }
  state.counters["passed"] = static_cast<double>(passed);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(products().size()));
}
BENCHMARK(BM_ListingFilterHandWritten)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's CPU time per iteration so the ratio can be printed.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration) times[run.run_name.function_name] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  // Both ways must pass the same products, or the times compare nothing.
  ProductBinding binding;
  const auto filter = bv::FilterExpression::compile(kListing, binding);
  const long expected = handWrittenCount();
  if (!filter || interpretedCount(*filter, binding) != expected) {
    std::fprintf(stderr, "the compiled filter does not pass the products the hand-written one does\n");
    return EXIT_FAILURE;
  }

  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double interpreted = reporter.times["BM_ListingFilterInterpreted"];
  const double hand = reporter.times["BM_ListingFilterHandWritten"];
  if (interpreted > 0 && hand > 0)
    std::printf("ratio interpreted / hand-written: %.2f (%ld of %zu products pass)\n", interpreted / hand, expected,
                products().size());
  benchmark::Shutdown();
  return EXIT_SUCCESS;
}
