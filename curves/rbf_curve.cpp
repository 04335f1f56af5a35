#include "curves/rbf_curve.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "curves/basis_value.h"
#include "curves/curve_sampling.h"
#include "linalg/gauss_jordan_solve.h"

namespace curvix {

namespace {

std::uint64_t bits_of(double v) {
  std::uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return bits;
}

// The top-right block P^T and the bottom-left block P share their values.
void fill_polynomial_blocks(Matrix& a, const double* t, int count, int pd) {
  for (int i = 1; i <= count; ++i) {
    for (int j = 1; j <= pd + 1; ++j) {
      const double power = std::pow(t[i - 1], static_cast<double>(j - 1));
      a[j][pd + 1 + i] = power;
      a[pd + 1 + i][j] = power;
    }
  }
}

// Phi[i][j] = phi(t_j - t_i). Two shortcuts, both exact: t_i - t_j is exactly
// -(t_j - t_i) and phi(-x) == phi(x) bit for bit, so the lower triangle mirrors
// the upper; and phi is a pure function of x, so along a diagonal j - i = d a
// difference equal in every bit to the previous one reuses its value. Uniform
// parameter values (multiples of a power of two) give one distinct difference
// per diagonal, so a drag evaluates phi n times instead of n^2.
void fill_basis_block(Matrix& a, const RbfSettings& settings, const double* t, int count) {
  const int offset = settings.pd + 1;
  const double at_zero = basis_value(settings, 0.0);
  for (int i = 1; i <= count; ++i) a[offset + i][offset + i] = at_zero;
  for (int d = 1; d < count; ++d) {
    std::uint64_t previous_bits = 0;
    double previous_phi = 0.0;
    for (int i = 1; i + d <= count; ++i) {
      const int j = i + d;
      const double x = t[j - 1] - t[i - 1];
      if (i == 1 || bits_of(x) != previous_bits) {
        previous_bits = bits_of(x);
        previous_phi = basis_value(settings, x);
      }
      a[offset + i][offset + j] = previous_phi;
      a[offset + j][offset + i] = previous_phi;
    }
  }
}

// Entry k - 1 gets row k of the inverse's last n columns applied to the points.
void coefficients_from_inverse(const Matrix& inverse, int k_end, int pd, const PlanarPoint* points,
                               int n, RbfCoefficient* coefficients) {
  for (int k = 1; k <= k_end; ++k) {
    double x = 0.0;
    double y = 0.0;
    for (int j = 1; j <= n; ++j) {
      const PlanarPoint& point = points[j - 1];
      x += inverse[k][pd + 1 + j] * point.x;
      y += inverse[k][pd + 1 + j] * point.y;
    }
    coefficients[k - 1] = RbfCoefficient{x, y};
  }
}

}  // namespace

Matrix rbf_system_matrix(const RbfSettings& settings, const double* t, int count) {
  const int k = count + settings.pd + 1;
  Matrix a = matrix_alloc(k, k);
  fill_polynomial_blocks(a, t, count, settings.pd);
  fill_basis_block(a, settings, t, count);
  return a;
}

// The system is inverted without the identity right-hand sides: only the
// inverse in a is read. A failed solve never reaches the coefficients.
bool rbf_solve(const RbfSettings& settings, const PlanarPoint* points, const double* t, int n,
               RbfCoefficient* coefficients) {
  if (settings.pd < 0) return false;
  const int k = n + settings.pd + 1;
  Matrix a = rbf_system_matrix(settings, t, n);
  if (gauss_jordan_invert(a, k) != 1) return false;
  coefficients_from_inverse(a, k, settings.pd, points, n, coefficients);
  return true;
}

PlanarPoint rbf_evaluate(const RbfSettings& settings, const RbfCoefficient* coefficients,
                         const double* u, int m, double s) {
  const int pd = settings.pd;
  PlanarPoint p;
  for (int k = 0; k <= pd; ++k) {
    const double w = std::pow(s, static_cast<double>(k));
    p.x += w * coefficients[k].x;
    p.y += w * coefficients[k].y;
  }
  for (int i = 0; i < m; ++i) {
    const double w = basis_value(settings, s - u[i]);
    p.x += w * coefficients[pd + 1 + i].x;
    p.y += w * coefficients[pd + 1 + i].y;
  }
  return p;
}

bool rbf_samples(const RbfSettings& settings, const RbfCoefficient* coefficients, const double* u,
                 int m, int segments, PlanarPoint* out) {
  if (m < 1 || settings.pd < 0 || segments < 1) return false;
  const double first = u[0];
  const double last = u[m - 1];
  for (int k = 0; k <= segments; ++k)
    out[k] = rbf_evaluate(settings, coefficients, u, m,
                          curve_sample_parameter(first, last, k, segments));
  return true;
}

}  // namespace curvix
