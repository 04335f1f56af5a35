#pragma once
// Masks and matrices for the analysis tests, built with the existing
// moment and factoring code so the new library is checked against it.

#include <Eigen/Dense>
#include <vector>

#include "subdivision/holder_regularity.h"
#include "subdivision/mask_moments.h"
#include "subdivision/square_matrix.h"

namespace curvix_test {

inline Eigen::MatrixXd to_eigen(const SquareMatrix& m) {
  Eigen::MatrixXd e(m.n, m.n);
  for (int i = 0; i < m.n; ++i)
    for (int j = 0; j < m.n; ++j) e(i, j) = m(i, j);
  return e;
}

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
