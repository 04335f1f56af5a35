#include "linalg/matrix_norm.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstddef>

namespace curvix {

double norm_1(const Matrix& a, int n) {
  double largest = 0.0;
  for (int j = 1; j <= n; ++j) {
    double column = 0.0;
    for (int i = 1; i <= n; ++i) column += std::fabs(a[i][j]);
    largest = std::max(largest, column);
  }
  return largest;
}

// Row by row, every column's sum advancing together: each sum still adds its
// rows in increasing order, and the largest is taken over the columns in
// increasing order, as above.
double norm_1(const double* cells, int n, int stride) {
  assert(n <= NORM_CELLS_MAX);
  std::array<double, NORM_CELLS_MAX> column;
  std::fill(column.begin(), column.begin() + n, 0.0);
  for (int i = 0; i < n; ++i) {
    const double* row = cells + static_cast<std::ptrdiff_t>(i) * stride;
    for (int j = 0; j < n; ++j) column[static_cast<std::size_t>(j)] += std::fabs(row[j]);
  }
  double largest = 0.0;
  for (int j = 0; j < n; ++j) largest = std::max(largest, column[static_cast<std::size_t>(j)]);
  return largest;
}

}  // namespace curvix
