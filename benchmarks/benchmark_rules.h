#pragma once
// Interpolatory rules of 4 to 12 points for the analysis benchmarks: the
// Deslauriers-Dubuc rule of each size (all its sum rules), or one with only
// two sum rules, whose subdivision matrices are the largest for the size.

#include <cmath>
#include <cstddef>
#include <vector>

#include "smoothness/mask_moments.h"

namespace curvix_benchmark {

// Lagrange weights at 0 for the uniform nodes: the Deslauriers-Dubuc rule.
inline std::vector<double> deslauriers_dubuc(int size) {
  const std::vector<double> nodes = curvix::uniform_nodes(size);
  std::vector<double> w(nodes.size(), 1.0);
  for (std::size_t m = 0; m < nodes.size(); ++m)
    for (std::size_t j = 0; j < nodes.size(); ++j)
      if (j != m) w[m] *= -nodes[j] / (nodes[m] - nodes[j]);
  return w;
}

// The Deslauriers-Dubuc weights with their outer half damped, moved back
// onto `sum_rules` sum rules: a rule of that size with only those rules.
inline std::vector<double> rule_with_sum_rules(int size, int sum_rules) {
  std::vector<double> w = deslauriers_dubuc(size);
  if (sum_rules == size) return w;
  for (std::size_t m = 0; m < w.size(); ++m) {
    const double distance = std::abs(static_cast<double>(m) - 0.5 * static_cast<double>(size - 1));
    if (distance > 1.0) w[m] *= 0.5;
  }
  std::vector<double> corrected;
  curvix::nearest_weights_with_sum_rules(w, sum_rules, corrected);
  return corrected;
}

}  // namespace curvix_benchmark
