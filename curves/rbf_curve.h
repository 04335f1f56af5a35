#pragma once
// RBF interpolation curve: a polynomial of degree pd plus translates of the
// basis function centred at the parameter values, through every given point.
//
// The system for n points and degree pd has dimension K = n + pd + 1 and the
// block form (0, P^T; P, Phi), 1-based: P[i][j] = t_i^(j - 1) (pow with a double
// exponent, t^0 = 1) and Phi[i][j] = phi(t_j - t_i), where t_i is the parameter
// value of point i - 1. Solved for the right-hand side (0, ..., 0, x_1, ...,
// x_n) and the same for y, it gives the coefficients 0..pd (polynomial part)
// and pd + 1..pd + n (weights). The system is singular for one point with
// pd >= 1, two equal parameter values, or the gaussian at r = 0.
//
// Parameter values, points and coefficients are 0-based arrays.

#include "curves/planar_point.h"
#include "curves/rbf_settings.h"
#include "linalg/matrix.h"

namespace curvix {

// The K x K system matrix (1-based), K = count + pd + 1, over t[0..count-1].
// Requires settings.pd >= 0.
Matrix rbf_system_matrix(const RbfSettings& settings, const double* t, int count);

// Solves the interpolant through points[0..n-1] at t[0..n-1] into
// coefficients[0 .. n + pd] (the caller's, n + pd + 1 entries). Returns false,
// leaving the coefficients untouched, when pd < 0 or the solver finds the
// system singular.
bool rbf_solve(const RbfSettings& settings, const PlanarPoint* points, const double* t, int n,
               RbfCoefficient* coefficients);

// The interpolant with the m centres u[0..m-1] and coefficients[0 .. m + pd] at
// parameter s: polynomial terms by increasing power, then basis terms by
// increasing centre, each added to the running sum.
PlanarPoint rbf_evaluate(const RbfSettings& settings, const RbfCoefficient* coefficients,
                         const double* u, int m, double s);

// The interpolant sampled over [u_0, u_(m-1)] into out[0 .. segments], sample k
// at curve_sample_parameter(u_0, u_(m-1), k, segments), each the bits of
// rbf_evaluate there. Returns false and writes nothing unless m >= 1, pd >= 0
// and segments >= 1.
bool rbf_samples(const RbfSettings& settings, const RbfCoefficient* coefficients, const double* u,
                 int m, int segments, PlanarPoint* out);

}  // namespace curvix
