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
#include "curves/weight_table.h"
#include "linalg/matrix.h"

namespace curvix {

// The K x K system matrix (1-based), K = count + pd + 1, over t[0..count-1].
// Requires settings.pd >= 0.
Matrix rbf_system_matrix(const RbfSettings& settings, const double* t, int count);

// The same K x K system into caller-owned cells, 0-based row-major: element
// (i, j) of the 1-based matrix at cells[(i - 1) stride + j - 1], the same
// values computed the same way. Requires settings.pd >= 0 and stride >= K.
void rbf_system_cells(const RbfSettings& settings, const double* t, int count, double* cells,
                      int stride);

// The last n columns of the inverse of the system over t[0..n-1], as the
// weights of the points in the K coefficients: row j of `columns` holds column
// pd + 2 + j (1-based) of the inverse, rows 1..K of it, in coefficient order.
// They depend on t[0..n-1] and the settings alone. Returns false, the table
// then unspecified, when pd < 0 or the solver finds the system singular.
bool rbf_inverse_columns(const RbfSettings& settings, const double* t, int n, WeightTable& columns);

// coefficients[0 .. K - 1] from the columns and points[0..n-1]: coefficient k
// is the sum over j = 0..n-1, in increasing j and from 0.0, of the inverse's
// element (k, pd + 2 + j) times point j, the solution for the right-hand side
// of pd + 1 zeros followed by the points.
void rbf_coefficients_from_columns(const WeightTable& columns, const PlanarPoint* points,
                                   RbfCoefficient* coefficients);

// Solves the interpolant through points[0..n-1] at t[0..n-1] into
// coefficients[0 .. n + pd] (the caller's, n + pd + 1 entries): the two
// functions above. Returns false, leaving the coefficients untouched, when
// pd < 0 or the solver finds the system singular.
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

// The weights of the interpolant's K = m + pd + 1 terms at the samples of
// rbf_samples, for apply_weight_table with the coefficients as values: row k
// holds s^k (k <= pd), row pd + 1 + i the basis value at s - u_i, each as
// rbf_evaluate forms it, so the sums are the bits of rbf_samples. They depend
// on u[0..m-1], segments and the settings alone. Returns false and leaves the
// table as it was unless m >= 1, pd >= 0 and segments >= 1.
bool rbf_curve_weights(const RbfSettings& settings, const double* u, int m, int segments,
                       WeightTable& table);

}  // namespace curvix
