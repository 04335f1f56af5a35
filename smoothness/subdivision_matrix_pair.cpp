#include "smoothness/subdivision_matrix_pair.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

namespace curvix {

SubdivisionMatrixPair subdivision_matrix_pair(const std::vector<double>& b) {
  assert(!b.empty());
  const int taps = static_cast<int>(b.size());
  const int order = std::max(taps - 1, 1);
  const auto tap = [&](int k) {
    return k >= 0 && k < taps ? 2.0 * b[static_cast<std::size_t>(k)] : 0.0;
  };
  SubdivisionMatrixPair pair{Eigen::MatrixXd::Zero(order, order),
                             Eigen::MatrixXd::Zero(order, order)};
  for (int i = 0; i < order; ++i)
    for (int j = 0; j < order; ++j) {
      pair.t0(i, j) = tap(2 * i - j);
      pair.t1(i, j) = tap(1 + 2 * i - j);
    }
  return pair;
}

std::vector<double> restore_sum_rules(const std::vector<double>& b, int count) {
  assert(count >= 0);
  std::vector<double> c = b;
  for (int r = 0; r < count; ++r) {
    std::vector<double> next(c.size() + 1, 0.0);
    for (std::size_t k = 0; k < c.size(); ++k) {
      next[k] += 0.5 * c[k];
      next[k + 1] += 0.5 * c[k];
    }
    c.swap(next);
  }
  return c;
}

}  // namespace curvix
