#include "smoothness/subdivision_matrices.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

namespace curvix {

MatrixFamily subdivision_matrices(const std::vector<double>& b, int arity) {
  assert(!b.empty() && arity >= 2);
  const int taps = static_cast<int>(b.size());
  const int order = std::max((taps - 1 + arity - 2) / (arity - 1), 1);
  const double m = arity;
  const auto tap = [&](int k) {
    return k >= 0 && k < taps ? m * b[static_cast<std::size_t>(k)] : 0.0;
  };
  MatrixFamily family(static_cast<std::size_t>(arity), Eigen::MatrixXd::Zero(order, order));
  for (int e = 0; e < arity; ++e)
    for (int i = 0; i < order; ++i)
      for (int j = 0; j < order; ++j)
        family[static_cast<std::size_t>(e)](i, j) = tap(e + arity * i - j);
  return family;
}

std::vector<double> restore_sum_rules(const std::vector<double>& b, int count, int arity) {
  assert(count >= 0 && arity >= 2);
  const double share = 1.0 / arity;
  const auto m = static_cast<std::size_t>(arity);
  std::vector<double> c = b;
  for (int r = 0; r < count; ++r) {
    std::vector<double> next(c.size() + m - 1, 0.0);
    for (std::size_t k = 0; k < c.size(); ++k)
      for (std::size_t e = 0; e < m; ++e) next[k + e] += share * c[k];
    c.swap(next);
  }
  return c;
}

SubdivisionMatrixPair subdivision_matrix_pair(const std::vector<double>& b) {
  MatrixFamily family = subdivision_matrices(b, 2);
  return {std::move(family[0]), std::move(family[1])};
}

}  // namespace curvix
