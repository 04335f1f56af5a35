// The full smoothness analysis of a 6-point rule at the default depth. The
// argument is the rule's number of sum rules, which sets the order of the
// subdivision matrices: 6 (DD6, order 4) or 2 (a rule reproducing only lines,
// order 8, the most expensive 6-point case).

#include <benchmark/benchmark.h>

#include <vector>

#include "smoothness/smoothness_report.h"

using namespace curvix;

namespace {

const std::vector<double> DD6 = {3.0 / 256,   -25.0 / 256, 150.0 / 256,
                                 150.0 / 256, -25.0 / 256, 3.0 / 256};
const std::vector<double> LINEAR_SIX_POINT = {0.01, -0.09, 0.58, 0.58, -0.09, 0.01};

void BM_analyse_smoothness(benchmark::State& state) {
  const std::vector<double>& weights = state.range(0) == 6 ? DD6 : LINEAR_SIX_POINT;
  for (auto _ : state) {
    SmoothnessReport report = analyse_smoothness(weights);
    benchmark::DoNotOptimize(report.holder_lower);
  }
}
BENCHMARK(BM_analyse_smoothness)->Arg(6)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
