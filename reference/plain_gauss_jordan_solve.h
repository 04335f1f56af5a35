#pragma once
// The solver transcribed plainly, one element at a time on the row handles,
// exactly in the order of its definition. The fast solver is checked against
// it bit for bit, and the benchmarks time it as the baseline.

#include <cmath>
#include <utility>

#include "linalg/gauss_jordan_solve.h"
#include "linalg/matrix.h"

namespace curvix {

inline int plain_gauss_jordan_solve(Matrix& a, int n, Matrix& b, int m) {
  IntVector pivot_count = int_vector_alloc(1, n);
  IntVector pivot_row = int_vector_alloc(1, n);
  IntVector pivot_col = int_vector_alloc(1, n);
  for (int j = 1; j <= n; ++j) pivot_count[j] = 0;
  for (int i = 1; i <= n; ++i) {
    double largest = 0.0;
    int p = 0;
    int q = 0;
    for (int j = 1; j <= n; ++j) {
      if (pivot_count[j] == 1) continue;
      for (int k = 1; k <= n; ++k) {
        if (pivot_count[k] == 0) {
          if (std::fabs(a[j][k]) >= largest) {
            largest = std::fabs(a[j][k]);
            p = j;
            q = k;
          }
        } else if (pivot_count[k] > 1) {
          return 0;
        }
      }
    }
    if (q == 0) return 0;  // every remaining element is NaN: no pivot to choose
    ++pivot_count[q];
    if (p != q) {
      for (int l = 1; l <= n; ++l) std::swap(a[p][l], a[q][l]);
      for (int l = 1; l <= m; ++l) std::swap(b[p][l], b[q][l]);
    }
    pivot_row[i] = p;
    pivot_col[i] = q;
    if (!(std::fabs(a[q][q]) >= PIVOT_TOLERANCE)) return 0;
    const double inv = 1.0 / a[q][q];
    a[q][q] = 1.0;
    for (int l = 1; l <= n; ++l) a[q][l] *= inv;
    for (int l = 1; l <= m; ++l) b[q][l] *= inv;
    for (int r = 1; r <= n; ++r) {
      if (r == q) continue;
      const double f = a[r][q];
      a[r][q] = 0.0;
      for (int l = 1; l <= n; ++l) a[r][l] -= f * a[q][l];
      for (int l = 1; l <= m; ++l) b[r][l] -= f * b[q][l];
    }
  }
  for (int l = n; l >= 1; --l) {
    if (pivot_row[l] == pivot_col[l]) continue;
    for (int k = 1; k <= n; ++k) std::swap(a[k][pivot_row[l]], a[k][pivot_col[l]]);
  }
  return 1;
}

}  // namespace curvix
