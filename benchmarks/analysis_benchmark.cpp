// The exact regularity of rules of 4 to 12 points, and a sweep of the
// four-point rule's tension. Counters: exact (1 when a polytope closed),
// vertices, and alpha. Argument of BM_exact_regularity: the rule's number of
// points 2L; its sum rules are the Deslauriers-Dubuc 2L (the Lagrange rule) or,
// with the second argument 2, only two, which makes the matrices of order 4L - 4,
// the largest for that size.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <vector>

#include "benchmark_rules.h"
#include "smoothness/exact_regularity.h"
#include "smoothness/holder_regularity.h"
#include "smoothness/mask_moments.h"

using namespace curvix;

namespace {

using curvix_benchmark::rule_with_sum_rules;

curvix::ExactRegularity regularity_of(const std::vector<double>& weights) {
  const LaurentMask mask = interpolatory_mask(weights);
  const int n = count_sum_rules(mask).exact;
  std::vector<double> b;
  if (!regularity_factor(mask, n, b)) return {};
  return curvix::exact_regularity(b, n);
}

void BM_exact_regularity(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  const int sum_rules = state.range(1) == 0 ? size : static_cast<int>(state.range(1));
  const std::vector<double> weights = rule_with_sum_rules(size, sum_rules);
  curvix::ExactRegularity r;
  for (auto _ : state) {
    r = regularity_of(weights);
    benchmark::DoNotOptimize(r.alpha_lower);
  }
  state.counters["exact"] = r.exact ? 1 : 0;
  state.counters["vertices"] = r.rho.polytope_vertices;
  state.counters["alpha"] = r.alpha_lower;
  state.counters["gap"] = r.rho.gap;
  state.counters["fallback"] = static_cast<double>(r.rho.fallback);
  state.counters["length"] = static_cast<double>(r.rho.word.size());
}
BENCHMARK(BM_exact_regularity)
    ->ArgsProduct({{4, 6, 8, 10, 12}, {0, 2}})
    ->Unit(benchmark::kMillisecond);

// 200 tensions w = 0.001, 0.002, ..., 0.2 of the four-point rule.
void BM_exact_regularity_four_point_sweep(benchmark::State& state) {
  int exact = 0;
  for (auto _ : state) {
    exact = 0;
    for (int i = 1; i <= 200; ++i) {
      const double w = 0.001 * i;
      exact += regularity_of({-w, 0.5 + w, 0.5 + w, -w}).exact ? 1 : 0;
    }
  }
  state.counters["exact"] = exact;
}
BENCHMARK(BM_exact_regularity_four_point_sweep)->Unit(benchmark::kMillisecond);

}  // namespace
