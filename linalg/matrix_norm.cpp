#include "linalg/matrix_norm.h"

#include <algorithm>
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

double norm_1(const double* cells, int n, int stride) {
  double largest = 0.0;
  for (int j = 0; j < n; ++j) {
    double column = 0.0;
    for (int i = 0; i < n; ++i)
      column += std::fabs(cells[static_cast<std::ptrdiff_t>(i) * stride + j]);
    largest = std::max(largest, column);
  }
  return largest;
}

}  // namespace curvix
