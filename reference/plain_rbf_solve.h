#pragma once
// The RBF solve transcribed plainly: every basis value evaluated, the identity
// right-hand sides carried along, the plain solver. The curve's own solve is
// checked against it bit for bit, and the benchmarks time it as the baseline.

#include <cmath>

#include "app/app_state.h"
#include "linalg/matrix.h"
#include "reference/plain_gauss_jordan_solve.h"
#include "reference/state_basis_value.h"

// Fills `table` from app's points, knots, pd and r; returns the solver's result.
// Like the curve, it writes nothing when the solve fails.
inline int plain_rbf_solve(RbfCoefficientTable& table) {
  using namespace curvix;
  const int count = app.points.count;
  const int pd = app.pd;
  const int n = count + pd + 1;
  const double* t = app.knots.data();
  Matrix a = matrix_alloc(n, n);
  Matrix b = matrix_alloc(n, n);
  for (int i = 1; i <= n; ++i) b[i][i] = 1.0;
  for (int i = 1; i <= count; ++i) {
    for (int j = 1; j <= pd + 1; ++j) {
      a[j][pd + 1 + i] = std::pow(t[i], static_cast<double>(j - 1));
      a[pd + 1 + i][j] = std::pow(t[i], static_cast<double>(j - 1));
    }
  }
  for (int i = 1; i <= count; ++i)
    for (int j = 1; j <= count; ++j)
      a[pd + 1 + i][pd + 1 + j] = state_basis_value(t[j] - t[i], app.r);
  const int result = plain_gauss_jordan_solve(a, n, b, n);
  if (result == 0) return 0;
  for (int k = 1; k <= n; ++k) {
    double x = 0.0;
    double y = 0.0;
    for (int j = 1; j <= count; ++j) {
      x += a[k][pd + 1 + j] * app.points.items[static_cast<size_t>(j - 1)].x;
      y += a[k][pd + 1 + j] * app.points.items[static_cast<size_t>(j - 1)].y;
    }
    table[static_cast<size_t>(k - 1)] = RbfCoefficient{x, y};
  }
  matrix_free(b, n);
  matrix_free(a, n);
  return result;
}
