#include "subdivision/rbf_stencil.h"

#include <cmath>
#include <cstddef>

#include "curves/basis_value.h"
#include "curves/rbf_curve.h"
#include "linalg/gauss_jordan_small.h"
#include "linalg/gauss_jordan_solve.h"
#include "linalg/matrix_norm.h"

namespace curvix {

namespace {

double power(double base, int exponent) {
  return std::pow(base, static_cast<double>(exponent));
}

const double* row(const StencilInverse& inverse, int k) {
  return inverse[static_cast<std::size_t>(k)].data();
}

// inverse[i][j] = a[i + 1][j + 1] for i, j = 0..k - 1; requires k <= STENCIL_SYSTEM_MAX.
void store_stencil_inverse(const Matrix& a, int k, StencilInverse& inverse) {
  for (int i = 0; i < k; ++i)
    for (int j = 0; j < k; ++j)
      inverse[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = a[i + 1][j + 1];
}

static_assert(STENCIL_SYSTEM_MAX <= NORM_CELLS_MAX, "norm_1 sums every stencil system");
static_assert(STENCIL_SYSTEM_MAX <= SMALL_SYSTEM_MAX,
              "the small solver holds every stencil system");

double* cells_of(StencilInverse& inverse) {
  return inverse.data()->data();
}

}  // namespace

int stencil_system_size(int s, int pd) {
  return s + pd + 1;
}

bool stencil_system_fits(int s, int pd) {
  return pd <= STENCIL_SYSTEM_MAX - 1 - s;
}

bool stencil_system_admissible(const double* params, int s, int pd) {
  if (pd < 0 || pd >= s || !stencil_system_fits(s, pd)) return false;
  for (int m = 0; m < s; ++m)
    for (int j = m + 1; j < s; ++j)
      if (params[m] == params[j]) return false;
  return true;
}

bool invert_stencil(const double* params, int s, const RbfSettings& settings,
                    StencilInverse& inverse, StencilObserver* observer) {
  if (!stencil_system_admissible(params, s, settings.pd)) return false;
  const int k = stencil_system_size(s, settings.pd);
  Matrix a = rbf_system_matrix(settings, params, s);
  if (observer != nullptr) observer->system_built(a, k);
  // Only the inverse left in a is used; the solver's inverse-only passes give
  // it bit for bit as a solve with identity right-hand sides would.
  const bool inverted = gauss_jordan_invert(a, k) == 1;
  if (inverted) {
    if (observer != nullptr) observer->system_inverted(a, k);
    store_stencil_inverse(a, k, inverse);
  }
  return inverted;
}

bool invert_stencil_fixed(const double* params, int s, const RbfSettings& settings,
                          StencilScratch& scratch, double* condition) {
  if (!stencil_system_admissible(params, s, settings.pd)) return false;
  const int k = stencil_system_size(s, settings.pd);
  double* cells = cells_of(scratch.inverse);
  rbf_system_cells(settings, params, s, cells, STENCIL_SYSTEM_MAX);
  const double system_norm = condition != nullptr ? norm_1(cells, k, STENCIL_SYSTEM_MAX) : 0.0;
  if (gauss_jordan_invert_small(cells, k, STENCIL_SYSTEM_MAX) != 1) return false;
  if (condition != nullptr) *condition = system_norm * norm_1(cells, k, STENCIL_SYSTEM_MAX);
  return true;
}

double stencil_midpoint(const double* params, int s) {
  return (params[0] + params[s - 1]) / 2;
}

void stencil_basis_values(const double* params, int s, const RbfSettings& settings, double tc,
                          double* values) {
  const int pd = settings.pd;
  for (int k = 0; k <= pd; ++k) values[k] = power(tc, k);
  for (int m = 0; m < s; ++m) values[pd + 1 + m] = basis_value(settings, tc - params[m]);
}

void stencil_mask(const StencilInverse& inverse, const double* values, int s, int pd,
                  double* weights) {
  const int k_end = stencil_system_size(s, pd);
  for (int m = 0; m < s; ++m) {
    double sum = 0.0;
    for (int k = 0; k < k_end; ++k) sum += values[k] * row(inverse, k)[pd + 1 + m];
    weights[m] = sum;
  }
}

void stencil_coefficients(const StencilInverse& inverse, const PlanarPoint* points, int s, int pd,
                          RbfCoefficient* coefficients) {
  const int k_end = stencil_system_size(s, pd);
  for (int k = 0; k < k_end; ++k) {
    const double* inverse_row = row(inverse, k);
    RbfCoefficient sum;
    for (int m = 0; m < s; ++m) {
      sum.x += inverse_row[pd + 1 + m] * points[m].x;
      sum.y += inverse_row[pd + 1 + m] * points[m].y;
    }
    coefficients[k] = sum;
  }
}

PlanarPoint weighted_point(const double* weights, const PlanarPoint* points, int s) {
  PlanarPoint sum;
  for (int m = 0; m < s; ++m) {
    sum.x += weights[m] * points[m].x;
    sum.y += weights[m] * points[m].y;
  }
  return sum;
}

bool rbf_stencil_mask(const double* params, int s, const RbfSettings& settings,
                      StencilScratch& scratch, double* weights) {
  if (!invert_stencil_fixed(params, s, settings, scratch)) return false;
  const double tc = stencil_midpoint(params, s);
  stencil_basis_values(params, s, settings, tc, scratch.values.data());
  stencil_mask(scratch.inverse, scratch.values.data(), s, settings.pd, weights);
  return true;
}

}  // namespace curvix
