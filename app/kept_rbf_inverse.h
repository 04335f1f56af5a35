#pragma once
// The inverse of the RBF curve's system, kept between events. It depends on
// the parameter values, their count, pd, r, C and the basis, never on the
// points, so a drag, which moves only points, solves by the sums alone.

#include "curves/rbf_settings.h"
#include "curves/weight_table.h"

// The last n columns of the inverse of the system over t[0..n-1] with the
// settings (curvix::rbf_inverse_columns), built only when one of those inputs
// differs in any bit from the last call; nullptr when that system is singular
// (a singular system is kept as such too). Valid until the next call.
const curvix::WeightTable* kept_rbf_inverse(const curvix::RbfSettings& settings, const double* t,
                                            int n);
