// smoothness as curvix-lab runs it: both steps (the depth bounds, then the
// exact regularity or the tightened bounds) for rules of 4 to 12 points, and
// whole sweeps of 200 values through the command, csv output included.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "benchmark_rules.h"
#include "lab_command.h"
#include "smoothness/certified_smoothness.h"

namespace {

// Arguments: the rule's points and its sum rules (0: all of the size's).
void BM_certified_smoothness(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  const int sum_rules = state.range(1) == 0 ? size : static_cast<int>(state.range(1));
  const std::vector<double> weights = curvix_benchmark::rule_with_sum_rules(size, sum_rules);
  curvix::CertifiedSmoothness c;
  for (auto _ : state) {
    c = curvix::certified_smoothness(weights);
    // A copy: DoNotOptimize on the member itself garbles it with this
    // benchmark library and GCC (seen: the counter read back 6.9e-310).
    double lower = c.lower;
    benchmark::DoNotOptimize(lower);
  }
  state.counters["exact"] = c.exact ? 1 : 0;
  state.counters["lower"] = c.lower;
  state.counters["gap"] = c.upper - c.lower;
}
BENCHMARK(BM_certified_smoothness)
    ->ArgsProduct({{4, 6, 8, 10, 12}, {0, 2}})
    ->Unit(benchmark::kMillisecond);

// Sweeps of 200 values: the four-point rule's w, RBF4's r in stationary mode
// (one mask a value, 10 levels checked) and with r fixed (10 levels, the
// limit rule and level 1's mask a value).
const std::vector<std::vector<std::string>> SWEEPS = {
    {"smoothness", "--scheme", "nr4", "--sweep", "w=0.001:0.2:0.001", "--format", "csv"},
    {"smoothness", "--scheme", "rbf4", "--stationary", "--sweep", "r=0.02:4:0.02", "--format",
     "csv"},
    {"smoothness", "--scheme", "rbf4", "--sweep", "r=0.02:4:0.02", "--format", "csv"}};

void BM_smoothness_sweep_command(benchmark::State& state) {
  const std::vector<std::string>& args = SWEEPS[static_cast<std::size_t>(state.range(0))];
  std::size_t rows = 0;
  std::string text;
  for (auto _ : state) {
    if (!curvix_benchmark::run_lab_command(state, args, "", text)) return;
    rows = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) - 1;
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_smoothness_sweep_command)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
