#include "subdivision/rbf_subdivision.h"

#include <array>
#include <cstddef>
#include <cstdio>

#include "app/app_state.h"
#include "curves/rbf_curve.h"
#include "subdivision/rbf_stencil.h"

namespace {

using StencilVector = std::array<double, STENCIL_SYSTEM_MAX>;  // one value per unknown

void trace_matrix(const Matrix& a, int k) {
  matrix_print(app.trace_file.get(), a, k, k);
  std::fflush(stdout);
}

void trace_insertion(int i, const StencilVector& weights, int s, const Point& check,
                     const CurvePoint& inserted) {
  std::FILE* file = app.trace_file.get();
  std::printf("%3d :", i);
  for (int m = 0; m < s; ++m) std::printf("%7.4f ", weights[static_cast<std::size_t>(m)]);
  std::printf("%7.4f %7.4f", check.x, check.y);
  if (file != nullptr) {
    std::fprintf(file, "%3d :", i);
    for (int m = 0; m < s; ++m) std::fprintf(file, "%7.4f ", weights[static_cast<std::size_t>(m)]);
    std::fprintf(file, "(%7.4f, %7.4f) ", check.x, check.y);
  }
  for (const double coordinate : {inserted.x, inserted.y}) {
    std::printf("%7.4f ", coordinate);
    if (file != nullptr) std::fprintf(file, "%7.4f ", coordinate);
  }
  std::printf("\n\n");
  if (file != nullptr) std::fprintf(file, "\n\n");
  // Each record is complete in both places as soon as it is written, so a
  // trace read while the program runs (or after a crash) ends on a whole record.
  std::fflush(stdout);
  if (file != nullptr) std::fflush(file);
}

}  // namespace

bool invert_stencil_system(int stencil_size) {
  if (!stencil_system_admissible(app.stencil_params.data(), stencil_size, app.pd)) return false;
  const int k = stencil_system_size(stencil_size, app.pd);
  Matrix a = matrix_alloc(k, k);
  fill_stencil_system(a, app.stencil_params.data(), stencil_size, app.pd, app.r);
  if (app.trace_on) trace_matrix(a, k);
  const bool inverted = invert_in_place(a, k);
  if (inverted) {
    if (app.trace_on) trace_matrix(a, k);
    store_stencil_inverse(a, k, app.stencil_inverse);
  }
  matrix_free(a, k);
  return inverted;
}

bool insert_rbf(int i, int stencil_size, Point& inserted) {
  if (!invert_stencil_system(stencil_size)) return false;
  const int s = stencil_size;
  const int pd = app.pd;
  const double* params = app.stencil_params.data();
  stencil_coefficients(app.stencil_inverse, app.stencil_points.data(), s, pd,
                       app.rbf_coefficients.data());
  const double tc = stencil_midpoint(params, s);
  CurvePoint p;
  rbf_evaluate(&p, params, tc, s);
  if (app.trace_on) {
    StencilVector values{};
    StencilVector weights{};
    stencil_basis_values(params, s, pd, app.r, tc, values.data());
    stencil_mask(app.stencil_inverse, values.data(), s, pd, weights.data());
    trace_insertion(i, weights, s, weighted_point(weights.data(), app.stencil_points.data(), s), p);
  }
  inserted.x = p.x;
  inserted.y = p.y;
  return true;
}
