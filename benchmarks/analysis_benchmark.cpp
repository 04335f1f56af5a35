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

#include "subdivision/exact_regularity.h"
#include "subdivision/holder_regularity.h"
#include "subdivision/mask_moments.h"

using namespace curvix;

namespace {

// Lagrange weights at 0 for the uniform nodes: the Deslauriers-Dubuc rule.
std::vector<double> deslauriers_dubuc(int size) {
  const std::vector<double> nodes = uniform_nodes(size);
  std::vector<double> w(nodes.size(), 1.0);
  for (std::size_t m = 0; m < nodes.size(); ++m)
    for (std::size_t j = 0; j < nodes.size(); ++j)
      if (j != m) w[m] *= -nodes[j] / (nodes[m] - nodes[j]);
  return w;
}

// The Deslauriers-Dubuc weights with their outer half damped, moved back
// onto `sum_rules` sum rules: a rule of that size with only those rules.
std::vector<double> rule_with_sum_rules(int size, int sum_rules) {
  std::vector<double> w = deslauriers_dubuc(size);
  if (sum_rules == size) return w;
  for (std::size_t m = 0; m < w.size(); ++m) {
    const double distance = std::abs(static_cast<double>(m) - 0.5 * static_cast<double>(size - 1));
    if (distance > 1.0) w[m] *= 0.5;
  }
  std::vector<double> corrected;
  nearest_weights_with_sum_rules(w, sum_rules, corrected);
  return corrected;
}

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
