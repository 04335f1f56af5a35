#include "linalg/matrix_norm.h"

#include <algorithm>
#include <cmath>

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

}  // namespace curvix
