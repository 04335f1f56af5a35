#include "curves/rbf_curve.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

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

// 1-based access to 0-based row-major cells, as a Matrix gives it:
// a[i][j] is cells[(i - 1) stride + j - 1].
class OneBasedCells {
 public:
  class Row {
   public:
    explicit Row(double* first) : first_(first) {}
    double& operator[](int j) const { return first_[j - 1]; }

   private:
    double* first_;
  };

  OneBasedCells(double* cells, int stride) : cells_(cells), stride_(stride) {}
  Row operator[](int i) const {
    return Row(cells_ + static_cast<std::ptrdiff_t>(i - 1) * static_cast<std::ptrdiff_t>(stride_));
  }

 private:
  double* cells_;
  int stride_;
};

// The top-right block P^T and the bottom-left block P share their values.
template <typename Rows>
void fill_polynomial_blocks(Rows& a, const double* t, int count, int pd) {
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
template <typename Rows>
void fill_basis_block(Rows& a, const RbfSettings& settings, const double* t, int count) {
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

// Row j - 1 of the table gets column pd + 1 + j of the inverse, rows 1..K of
// it: the weights of point j in the K coefficients.
void store_inverse_columns(const Matrix& inverse, int k_end, int pd, int n, WeightTable& columns) {
  shape_weight_table(columns, n, k_end);
  for (int j = 1; j <= n; ++j) {
    double* column = weight_row(columns, j - 1);
    for (int k = 1; k <= k_end; ++k) column[k - 1] = inverse[k][pd + 1 + j];
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

void rbf_system_cells(const RbfSettings& settings, const double* t, int count, double* cells,
                      int stride) {
  const int k = count + settings.pd + 1;
  for (int i = 0; i < k; ++i)
    std::fill(cells + static_cast<std::ptrdiff_t>(i) * stride,
              cells + static_cast<std::ptrdiff_t>(i) * stride + k, 0.0);
  OneBasedCells a(cells, stride);
  fill_polynomial_blocks(a, t, count, settings.pd);
  fill_basis_block(a, settings, t, count);
}

// The system is inverted without the identity right-hand sides: only the
// inverse in a is read.
bool rbf_inverse_columns(const RbfSettings& settings, const double* t, int n,
                         WeightTable& columns) {
  if (settings.pd < 0) return false;
  const int k = n + settings.pd + 1;
  Matrix a = rbf_system_matrix(settings, t, n);
  if (gauss_jordan_invert(a, k) != 1) return false;
  store_inverse_columns(a, k, settings.pd, n, columns);
  return true;
}

void rbf_coefficients_from_columns(const WeightTable& columns, const PlanarPoint* points,
                                   RbfCoefficient* coefficients) {
  std::vector<PlanarPoint> sums(static_cast<std::size_t>(columns.results));
  apply_weight_table(columns, points, sums.data());
  for (int k = 0; k < columns.results; ++k)
    coefficients[k] =
        RbfCoefficient{sums[static_cast<std::size_t>(k)].x, sums[static_cast<std::size_t>(k)].y};
}

// A failed solve never reaches the coefficients.
bool rbf_solve(const RbfSettings& settings, const PlanarPoint* points, const double* t, int n,
               RbfCoefficient* coefficients) {
  WeightTable columns;
  if (!rbf_inverse_columns(settings, t, n, columns)) return false;
  rbf_coefficients_from_columns(columns, points, coefficients);
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

bool rbf_curve_weights(const RbfSettings& settings, const double* u, int m, int segments,
                       WeightTable& table) {
  if (m < 1 || settings.pd < 0 || segments < 1) return false;
  const int terms = m + settings.pd + 1;
  shape_weight_table(table, terms, segments + 1);
  std::vector<double> samples(static_cast<std::size_t>(segments) + 1);
  for (int k = 0; k <= segments; ++k)
    samples[static_cast<std::size_t>(k)] = curve_sample_parameter(u[0], u[m - 1], k, segments);
  // Row by row, so the table is written in the order it is stored; each
  // weight as rbf_evaluate forms it.
  for (int power = 0; power <= settings.pd; ++power) {
    double* row = weight_row(table, power);
    for (int k = 0; k <= segments; ++k)
      row[k] = std::pow(samples[static_cast<std::size_t>(k)], static_cast<double>(power));
  }
  for (int i = 0; i < m; ++i) {
    double* row = weight_row(table, settings.pd + 1 + i);
    for (int k = 0; k <= segments; ++k)
      row[k] = basis_value(settings, samples[static_cast<std::size_t>(k)] - u[i]);
  }
  return true;
}

}  // namespace curvix
