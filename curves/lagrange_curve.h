#pragma once
// Lagrange interpolating curve of degree m - 1 through m points at their
// parameter values.

#include "curves/curve_sampling.h"
#include "curves/planar_point.h"
#include "curves/vector_isa.h"
#include "curves/weight_table.h"

namespace curvix {

// The curve point at parameter s through points[0..m-1] at the parameter values
// u[0..m-1]: the sum over i of L_i (x_i, y_i) in increasing i, where L_i starts
// at 1.0 and takes, for j = 0..m-1 skipping i in increasing order,
// L_i = ((s - u_j) / (u_i - u_j)) L_i. Two equal parameter values give
// non-finite results. m = 0 gives (0, 0).
PlanarPoint lagrange_evaluate(const PlanarPoint* points, const double* u, int m, double s);

// The curve of points[0..m-1] at u[0..m-1] sampled over [u_0, u_(m-1)] into
// out[0 .. segments] at curve_sample_parameter(u_0, u_(m-1), k, segments).
// Each sample has the bits of lagrange_evaluate at that parameter: the samples
// run in vector lanes, each lane through the same IEEE operations in the same
// order. `isa` selects the lane width (any available set gives the same result;
// an unavailable one falls back to VECTOR_BASELINE). Returns false and writes
// nothing unless m >= 1 and segments >= 1.
bool lagrange_samples(const PlanarPoint* points, const double* u, int m, int segments,
                      PlanarPoint* out, VectorIsa isa = widest_vector_isa());

// The curve's weights at its samples, for apply_weight_table with the points
// as values: row i holds L_i at each sample of lagrange_samples, the same
// product in the same order, so the sums are the bits of lagrange_samples.
// They depend on u[0..m-1] and segments alone. Returns false and leaves the
// table as it was unless m >= 1 and segments >= 1.
bool lagrange_weights(const double* u, int m, int segments, WeightTable& table,
                      VectorIsa isa = widest_vector_isa());

}  // namespace curvix
