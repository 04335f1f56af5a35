#pragma once
// The weights of the curve on screen at its CURVE_SEGMENTS + 1 samples, kept
// between events: everything of a drawn curve that does not depend on the
// points (or, for the RBF curve, on its coefficients). A drag moves only
// points, so its redisplays draw by the sums alone. One table serves the
// curve shown; showing another curve builds that curve's weights in its place.
//
// Each function builds only when its curve kind or one of its inputs differs
// in any bit from the table held, and returns the table, valid until the next
// call of any of them.

#include "curves/rbf_settings.h"
#include "curves/weight_table.h"

// curvix::lagrange_weights of u[0..m-1] (1 <= m).
const curvix::WeightTable& kept_lagrange_weights(const double* u, int m);

// curvix::bezier_weights of m points (1 <= m).
const curvix::WeightTable& kept_bezier_weights(int m);

// curvix::rbf_curve_weights of the settings over the centres u[0..m-1]
// (1 <= m, settings.pd >= 0).
const curvix::WeightTable& kept_rbf_curve_weights(const curvix::RbfSettings& settings,
                                                  const double* u, int m);
