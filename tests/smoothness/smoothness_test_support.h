#pragma once
// Masks and their factors for the analysis tests, from the moment and
// factoring code.

#include <Eigen/Dense>
#include <vector>

#include "smoothness/holder_regularity.h"
#include "smoothness/mask_moments.h"

namespace curvix_test {

using namespace curvix;

// The factor b and the exact sum rules n of the rule with these weights.
struct Factor {
  std::vector<double> b;
  int n = 0;
};

inline Factor factor_of(const std::vector<double>& weights) {
  const LaurentMask mask = interpolatory_mask(weights);
  Factor f;
  f.n = count_sum_rules(mask).exact;
  if (!regularity_factor(mask, f.n, f.b)) f.b.clear();
  return f;
}

inline std::vector<double> four_point(double tension) {
  return {-tension, 0.5 + tension, 0.5 + tension, -tension};
}

}  // namespace curvix_test
