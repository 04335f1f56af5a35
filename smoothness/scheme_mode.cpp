#include "smoothness/scheme_mode.h"

#include <cassert>
#include <cmath>
#include <cstddef>

#include "smoothness/mask_moments.h"

namespace curvix {

namespace {

constexpr double EPSILON = std::numeric_limits<double>::epsilon();

double distance(const std::vector<double>& a, const std::vector<double>& b) {
  double largest = 0.0;
  for (std::size_t m = 0; m < a.size(); ++m) largest = std::fmax(largest, std::fabs(a[m] - b[m]));
  return largest;
}

// Index of the first trusted level, or levels.size() when none is.
std::size_t first_trusted(const SchemeMode& mode) {
  std::size_t k = 0;
  while (k < mode.trusted.size() && !mode.trusted[k]) ++k;
  return k;
}

bool stationary_within_rounding(const std::vector<LevelMask>& levels, SchemeMode& mode) {
  const std::size_t first = first_trusted(mode);
  if (first == levels.size()) return false;
  int compared = 0;
  bool equal = true;
  for (std::size_t k = 0; k < levels.size(); ++k) {
    mode.changes.push_back(distance(levels[k].weights, levels[first].weights));
    if (!mode.trusted[k] || k == first) continue;
    ++compared;
    const double rounding =
        mask_rounding(levels[k].condition) + mask_rounding(levels[first].condition);
    equal = equal && mode.changes.back() <= rounding;
  }
  return compared > 0 && equal;
}

bool clean(const std::vector<LevelMask>& levels, const SchemeMode& mode, std::size_t k) {
  return mode.trusted[k] &&
         mode.distances[k] > CLEAN_DISTANCE_FACTOR * mask_rounding(levels[k].condition);
}

// The rate at the deepest three consecutive clean levels k - 2, k - 1, k, and
// the check of the candidate against the masks' own extrapolation: with
// their own ratio p = ||w_k - w_(k-1)|| / ||w_(k-1) - w_(k-2)||, the masks
// head for w_k + (w_k - w_(k-1)) p / (1 - p). (Extrapolating with the ratio
// of the distances to the candidate instead would land on the candidate
// whenever the masks move along a line through it, wherever they go.)
void measure_rate(const std::vector<LevelMask>& levels, SchemeMode& mode) {
  for (std::size_t k = levels.size() - 1; k >= 2; --k) {
    if (!clean(levels, mode, k) || !clean(levels, mode, k - 1) || !clean(levels, mode, k - 2))
      continue;
    const std::vector<double>& w = levels[k].weights;
    const std::vector<double>& before = levels[k - 1].weights;
    mode.rate_level = static_cast<int>(k) + 1;
    mode.rate = mode.distances[k] / mode.distances[k - 1];
    const double own = distance(w, before) / distance(before, levels[k - 2].weights);
    if (!(own < 1.0) || !(mode.rate < 1.0)) return;
    const double factor = own / (1.0 - own);
    std::vector<double> extrapolated(w.size());
    for (std::size_t m = 0; m < w.size(); ++m) extrapolated[m] = w[m] + (w[m] - before[m]) * factor;
    mode.extrapolation_error = distance(extrapolated, mode.limit_weights);
    mode.limit_confirmed = mode.extrapolation_error <= LIMIT_AGREEMENT * mode.distances[k];
    return;
  }
}

int similarity_order(double rate) {
  int m = -1;
  while (m < MAX_SIMILARITY_ORDER && rate * std::ldexp(1.0, m + 1) <= SIMILARITY_MARGIN) ++m;
  return m;
}

}  // namespace

double mask_rounding(double condition) {
  return MASK_ROUNDING_ULPS * EPSILON * std::fmax(1.0, condition);
}

std::vector<double> flat_limit_weights(int s) {
  assert(s >= 2 && s % 2 == 0);
  const std::vector<double> nodes = uniform_nodes(s);
  std::vector<double> weights(nodes.size());
  for (std::size_t m = 0; m < nodes.size(); ++m) {
    double w = 1.0;
    for (std::size_t j = 0; j < nodes.size(); ++j)
      if (j != m) w *= (0.0 - nodes[j]) / (nodes[m] - nodes[j]);
    weights[m] = w;
  }
  return weights;
}

SchemeMode scheme_mode(const std::vector<LevelMask>& levels, const std::vector<double>& candidate,
                       double condition_limit) {
  assert(!levels.empty());
  SchemeMode mode;
  for (const LevelMask& level : levels) mode.trusted.push_back(level.condition <= condition_limit);
  mode.stationary = stationary_within_rounding(levels, mode);
  if (mode.stationary) return mode;
  mode.limit_weights = candidate;
  for (const LevelMask& level : levels)
    mode.distances.push_back(distance(level.weights, candidate));
  measure_rate(levels, mode);
  if (mode.limit_confirmed) mode.similarity_order = similarity_order(mode.rate);
  return mode;
}

}  // namespace curvix
