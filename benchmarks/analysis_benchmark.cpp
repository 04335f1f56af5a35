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
#include "smoothness/certified_smoothness.h"
#include "smoothness/exact_regularity.h"
#include "smoothness/holder_regularity.h"
#include "smoothness/mask_moments.h"
#include "smoothness/named_masks.h"

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

namespace {

Rational ratio(long p, long q) {
  Rational r(p, q);
  r.canonicalize();
  return r;
}

// The rules of the published-values table in docs/smoothness.md, each at the
// depth its command uses.
struct TableRule {
  ExactMask mask;
  int depth;
};

std::vector<TableRule> published_table() {
  std::vector<TableRule> rules;
  for (int degree = 1; degree <= 6; ++degree) rules.push_back({bspline_mask(degree), 14});
  rules.push_back({chaikin_mask(), 14});
  rules.push_back({interpolatory_exact_mask({-0.0625, 0.5625, 0.5625, -0.0625}), 14});
  rules.push_back({aligned_mask({ratio(3, 256), 0, ratio(-25, 256), 0, ratio(150, 256), 1,
                                 ratio(150, 256), 0, ratio(-25, 256), 0, ratio(3, 256)},
                                2),
                   14});
  rules.push_back({aligned_mask({ratio(-5, 2048), 0, ratio(49, 2048), 0, ratio(-245, 2048), 0,
                                 ratio(1225, 2048), 1, ratio(1225, 2048), 0, ratio(-245, 2048), 0,
                                 ratio(49, 2048), 0, ratio(-5, 2048)},
                                2),
                   13});
  for (const Rational& w : {ratio(1, 20), ratio(1, 10)})  // the four-point rule, exactly
    rules.push_back({aligned_mask({-w, 0, ratio(1, 2) + w, 1, ratio(1, 2) + w, 0, -w}, 2), 14});
  rules.push_back({dual4_mask(), 14});
  rules.push_back({ternary4_mask(ratio(1, 11)), 9});
  rules.push_back({ternary4_mask(ratio(1, 15)), 9});
  const Rational a = ratio(-13, 1536), b = ratio(-97, 1536), c = ratio(439, 768);
  rules.push_back({aligned_mask({a, 0, b, 0, c, 1, c, 0, b, 0, a}, 2), 14});
  return rules;
}

// Both steps for every rule of the table, in one iteration; counter: how
// many came out exact (all sixteen).
void BM_mask_smoothness_published_table(benchmark::State& state) {
  const std::vector<TableRule> rules = published_table();
  int exact = 0;
  for (auto _ : state) {
    exact = 0;
    for (const TableRule& rule : rules)
      exact += mask_smoothness(rule.mask, rule.depth).smoothness.exact ? 1 : 0;
  }
  state.counters["rules"] = static_cast<double>(rules.size());
  state.counters["exact"] = exact;
}
BENCHMARK(BM_mask_smoothness_published_table)->Unit(benchmark::kMillisecond);

// The second step alone for the ternary B-spline-like mask (1 + z + z^2)^k /
// 3^(k-1) of 2k + 1 taps (13 for k = 6) and the ternary four-point mask of
// 11 taps: the matrices of arity 3.
void BM_mask_smoothness_ternary(benchmark::State& state) {
  const int k = static_cast<int>(state.range(0));
  ExactMask mask = ternary4_mask(ratio(1, 11));
  if (k > 0) {
    std::vector<Rational> taps{1};
    for (int power = 0; power < k; ++power) {
      std::vector<Rational> next(taps.size() + 2, 0);
      for (std::size_t i = 0; i < taps.size(); ++i)
        for (std::size_t e = 0; e < 3; ++e) next[i + e] += taps[i] / 3;
      taps.swap(next);
    }
    for (Rational& tap : taps) tap *= 3;
    mask = aligned_mask(taps, 3);
  }
  MaskSmoothness s;
  for (auto _ : state) {
    s = mask_smoothness(mask, 1);
    benchmark::DoNotOptimize(s);
  }
  state.counters["taps"] = static_cast<double>(mask.taps.size());
  state.counters["exact"] = s.smoothness.exact ? 1 : 0;
  state.counters["alpha"] = s.smoothness.lower;
}
BENCHMARK(BM_mask_smoothness_ternary)->Arg(0)->Arg(6)->Unit(benchmark::kMillisecond);

}  // namespace
