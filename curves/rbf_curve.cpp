#include "curves/rbf_curve.h"

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "app/app_state.h"
#include "app/colours.h"
#include "app/gl_drawing.h"
#include "curves/basis_value.h"
#include "curves/curve_strip.h"
#include "linalg/gauss_jordan_solve.h"

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
      const double power = std::pow(t[i], static_cast<double>(j - 1));
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
// per diagonal, so a drag evaluates phi N times instead of N^2.
void fill_basis_block(Matrix& a, const double* t, int count, int pd, double r) {
  const int offset = pd + 1;
  const double at_zero = basis_value(0.0, r);
  for (int i = 1; i <= count; ++i) a[offset + i][offset + i] = at_zero;
  for (int d = 1; d < count; ++d) {
    std::uint64_t previous_bits = 0;
    double previous_phi = 0.0;
    for (int i = 1; i + d <= count; ++i) {
      const int j = i + d;
      const double x = t[j] - t[i];
      if (i == 1 || bits_of(x) != previous_bits) {
        previous_bits = bits_of(x);
        previous_phi = basis_value(x, r);
      }
      a[offset + i][offset + j] = previous_phi;
      a[offset + j][offset + i] = previous_phi;
    }
  }
}

// Entry k - 1 gets row k of the inverse's last N columns applied to the points.
void coefficients_from_inverse(const Matrix& inverse, int n, int pd, const PointList& points,
                               RbfCoefficientTable& table) {
  for (int k = 1; k <= n; ++k) {
    double x = 0.0;
    double y = 0.0;
    for (int j = 1; j <= points.count; ++j) {
      const Point& point = points.items[static_cast<size_t>(j - 1)];
      x += inverse[k][pd + 1 + j] * point.x;
      y += inverse[k][pd + 1 + j] * point.y;
    }
    table[static_cast<size_t>(k - 1)] = RbfCoefficient{x, y};
  }
}

// The samples of the strip in stored coordinates, s = t_1 + ((t_N - t_1) * i) / CURVE_SEGMENTS.
void sample_rbf_curve(CurveSamples& samples) {
  const int count = app.points.count;
  const double first = app.knots[1];
  const double last = app.knots[static_cast<size_t>(count)];
  for (int i = 0; i <= CURVE_SEGMENTS; ++i) {
    rbf_evaluate(&samples[static_cast<size_t>(i)], &app.knots[1],
                 curve_sample_parameter(first, last, i), count);
  }
}

}  // namespace

Matrix rbf_system_matrix(const double* t, int count, int pd, double r) {
  Matrix a = matrix_alloc(count + pd + 1, count + pd + 1);
  fill_polynomial_blocks(a, t, count, pd);
  fill_basis_block(a, t, count, pd, r);
  return a;
}

// The system is inverted without the identity right-hand sides: only the
// inverse in a is read. A failed solve never reaches the table.
void rbf_solve() {
  const int count = app.points.count;
  if (count > MAX_CURVE_POINTS) return;
  const int pd = app.pd;
  if (pd < 0 || pd > MAX_POINTS - 1 - count) {  // n = count + pd + 1 would not fit the table
    app.rbf_coefficients_valid = false;
    return;
  }
  const int n = count + pd + 1;
  Matrix a = rbf_system_matrix(app.knots.data(), count, pd, app.r);
  app.rbf_coefficients_valid = gauss_jordan_invert(a, n) == 1;
  if (app.rbf_coefficients_valid)
    coefficients_from_inverse(a, n, pd, app.points, app.rbf_coefficients);
}

void rbf_evaluate(CurvePoint* p, const double* u, double s, int m) {
  const RbfCoefficientTable& table = app.rbf_coefficients;
  const int pd = app.pd;
  *p = CurvePoint{};
  for (int k = 0; k <= pd; ++k) {
    const double w = std::pow(s, static_cast<double>(k));
    p->x += w * table[static_cast<size_t>(k)].x;
    p->y += w * table[static_cast<size_t>(k)].y;
  }
  for (int i = 0; i < m; ++i) {
    const double w = basis_value(s - u[i], app.r);
    p->x += w * table[static_cast<size_t>(pd + 1 + i)].x;
    p->y += w * table[static_cast<size_t>(pd + 1 + i)].y;
  }
}

void draw_rbf_curve() {
  // The degree can change without a solve while there are too many points for
  // one; the evaluation must still stay inside the table.
  const bool fits_table = app.pd >= 0 && app.pd <= MAX_POINTS - 1 - app.points.count;
  if (!curve_drawable(app.points.count) || !app.rbf_coefficients_valid || !fits_table) return;
  CurveSamples samples;
  sample_rbf_curve(samples);
  draw_curve_strip(samples);
}
