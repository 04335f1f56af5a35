#pragma once
// Bezier curve of degree m - 1 with m control points.

#include "curves/binomial.h"
#include "curves/planar_point.h"
#include "curves/weight_table.h"

namespace curvix {

// The curve point at u in [0, 1] of the control points points[0..m-1]: the sum
// over i = 0..m-1 in increasing order of w_i (x_i, y_i), where
// w_i = (1 - u)^(m - 1 - i) (u^i binomial(m - 1, i)), powers from std::pow with
// the exponents as doubles (so 0^0 = 1), rounded in that order.
PlanarPoint bezier_evaluate(const PlanarPoint* points, int m, double u);

// The curve of points[0..m-1] into out[0 .. segments] at u = k / segments.
// Each sample has the bits of bezier_evaluate at that u; the m binomial
// coefficients are formed once instead of once per sample. Returns false and
// writes nothing unless m >= 1 and segments >= 1.
bool bezier_samples(const PlanarPoint* points, int m, int segments, PlanarPoint* out);

// The curve's weights at the samples of bezier_samples, for
// apply_weight_table with the points as values: row i holds w_i at each
// sample, rounded as bezier_evaluate rounds it, so the sums are its bits.
// They depend on m and segments alone. Returns false and leaves the table as
// it was unless m >= 1 and segments >= 1.
bool bezier_weights(int m, int segments, WeightTable& table);

}  // namespace curvix
