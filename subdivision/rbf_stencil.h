#pragma once
// Arithmetic of one RBF subdivision stencil: the local interpolation system
// over the stencil's parameter values, its inverse, the mask and the
// coefficients of the stencil interpolant. Plain functions on values; phi is
// the basis of the settings, with their C and r, and pd is theirs.
//
// The s stencil values at parameters T_1..T_s are interpolated by
//   f(t) = sum_{k=0..pd} a_k t^k + sum_{m=1..s} lambda_m phi(t - T_m),
// the RBF curve's interpolant over the stencil's points (curves/rbf_curve.h),
// whose system rbf_system_matrix builds for both. Its K = s + pd + 1
// unknowns, ordered (a_0..a_pd, lambda_1..lambda_s), solve the symmetric system
//   row k + 1 (k = 0..pd):  sum_m lambda_m T_m^k = 0
//   row pd + 1 + m:         sum_k a_k T_m^k + sum_j lambda_j phi(T_j - T_m) = value m
// The first pd + 1 rows keep the polynomial part reproducible. The system is
// singular when pd + 1 > s or when two parameter values are equal.
//
// Arrays of parameter values, points and weights are 0-based: params[m - 1]
// is T_m. Powers use std::pow with a double exponent (T^0 is 1, also for T = 0).

#include "curves/planar_point.h"
#include "curves/rbf_settings.h"
#include "linalg/matrix.h"
#include "subdivision/stencil_buffers.h"
#include "subdivision/stencil_observer.h"

namespace curvix {

// K = s + pd + 1, the order of the stencil system.
int stencil_system_size(int s, int pd);

// Whether K fits the store of STENCIL_SYSTEM_MAX x STENCIL_SYSTEM_MAX (no overflow for any pd).
bool stencil_system_fits(int s, int pd);

// Whether the system is worth building: pd >= 0, K fits the store, and the
// system is not singular for a reason that rounding can hide from the solver's
// pivot test: more polynomial terms than stencil points (pd + 1 > s), or a
// repeated parameter value.
bool stencil_system_admissible(const double* params, int s, int pd);

// Builds, inverts and stores the system of one stencil. An observer, when
// given, is shown the system before inversion and, when the inversion
// succeeds, the inverse. Returns false, leaving `inverse` untouched, when the
// system is not admissible (nothing is built or shown) or the solver finds it
// singular (the system was shown).
bool invert_stencil(const double* params, int s, const RbfSettings& settings,
                    StencilInverse& inverse, StencilObserver* observer = nullptr);

// invert_stencil without an observer, on fixed storage: the system is built
// and inverted in scratch.inverse (gauss_jordan_small.h), nothing allocated,
// with the bits of invert_stencil. When `condition` is not null it gets the
// system's 1-norm condition number, ||A||_1 ||A^-1||_1 as norm_1 sums them,
// on success. Returns false when the system is not admissible or the solver
// finds it singular; scratch.inverse is then unspecified.
bool invert_stencil_fixed(const double* params, int s, const RbfSettings& settings,
                          StencilScratch& scratch, double* condition = nullptr);

// tc = (T_1 + T_s) / 2, the middle of the stencil's parameter span.
double stencil_midpoint(const double* params, int s);

// The K values of the unknowns' functions at tc: values[k] = tc^k for
// k = 0..pd, values[pd + 1 + m] = phi(tc - T_{m+1}) for m = 0..s - 1.
void stencil_basis_values(const double* params, int s, const RbfSettings& settings, double tc,
                          double* values);

// The mask: weights[m] = sum_{k=0..K-1} values[k] * inverse[k][pd + 1 + m], the
// value at tc of the interpolant of data 1 at entry m and 0 elsewhere.
void stencil_mask(const StencilInverse& inverse, const double* values, int s, int pd,
                  double* weights);

// The interpolant of the stencil points, for x and y: coefficients[k] =
// sum_m inverse[k][pd + 1 + m] * points[m] for k = 0..K - 1 (a_0..a_pd, then
// lambda_1..lambda_s), the solution for pd + 1 zeros followed by the values.
void stencil_coefficients(const StencilInverse& inverse, const PlanarPoint* points, int s, int pd,
                          RbfCoefficient* coefficients);

// sum_m weights[m] * points[m], x and y: the inserted point as the mask gives it.
PlanarPoint weighted_point(const double* weights, const PlanarPoint* points, int s);

// The mask of one stencil, weights[0..s-1], from its parameter values alone
// (inverted by invert_stencil_fixed); scratch.inverse holds the stencil's
// inverse afterwards. Returns false when
// the system cannot be inverted (weights untouched).
bool rbf_stencil_mask(const double* params, int s, const RbfSettings& settings,
                      StencilScratch& scratch, double* weights);

}  // namespace curvix
