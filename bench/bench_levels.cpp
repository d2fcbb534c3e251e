// The three levels for a long run of day counts: the program's computation
// next to the same loop written inline in plain double, and the ratio of the
// two (the call into the core library is all that should separate them).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

#include "core/biorhythm.h"

namespace {

constexpr int32_t kRun = 36525; // a hundred years of days

struct DoubleLevels {
  int8_t emotional, intellectual, physical;
};

int8_t doubleLevel(int32_t dayCount, double factor) {
  double a = static_cast<double>(dayCount) * 3.14159265358979323846;
  a = a * factor;
  return static_cast<int8_t>(std::rint((std::sin(a) * 100.0 + 100.0) * 0.5));
}

DoubleLevels doubleLevelsFor(int32_t dayCount) {
  return {doubleLevel(dayCount, 1.0 / 14.0), doubleLevel(dayCount, 2.0 / 33.0),
          doubleLevel(dayCount, 2.0 / 23.0)};
}

void Program(benchmark::State &state) {
  const auto first = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    for (int32_t d = first; d < first + kRun; ++d)
      benchmark::DoNotOptimize(core::levelsFor(d));
  }
  state.SetItemsProcessed(state.iterations() * kRun);
}

void Double(benchmark::State &state) {
  const auto first = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    for (int32_t d = first; d < first + kRun; ++d)
      benchmark::DoNotOptimize(doubleLevelsFor(d));
  }
  state.SetItemsProcessed(state.iterations() * kRun);
}

// Day counts of a life, and of a birth date in year 1 seen from today.
BENCHMARK(Program)->Arg(0)->Arg(739000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Double)->Arg(0)->Arg(739000)->Unit(benchmark::kMicrosecond);

// Keeps the time per iteration of every run to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run> &runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0)
        times[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
  }
  std::map<std::string, double> times;
};

} // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const char *arg : {"0", "739000"}) {
    const auto program = reporter.times.find(std::string("Program/") + arg);
    const auto plain = reporter.times.find(std::string("Double/") + arg);
    if (program != reporter.times.end() && plain != reporter.times.end() && plain->second > 0)
      std::printf("day counts from %s: program / double = %.2f (%.1f ns vs %.1f ns per day)\n", arg,
                  program->second / plain->second, program->second * 1000.0 / kRun,
                  plain->second * 1000.0 / kRun);
  }
  benchmark::Shutdown();
  return 0;
}
