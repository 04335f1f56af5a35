#pragma once
// The basic limit function of a subdivision mask, phi = sum_l a_l phi(m . - l),
// by the cascade: the mask applied `levels` times to the sequence that is 1
// at index 0 and 0 elsewhere. After K levels value i approximates
// phi(i / m^K), exactly at those points for an interpolatory mask; the
// sequence is zero outside [first, last] (m^K - 1) / (m - 1), which tends to
// the support [first, last] / (m - 1).

#include <vector>

#include "subdivision/mask_refinement.h"

namespace curvix {

struct LimitSamples {
  int first_index = 0;  // values[i] belongs to x = (first_index + i) step
  double step = 1.0;    // m^-K
  std::vector<double> values;
};

// The cascade's K = levels >= 0 levels (SubdivisionMask as in mask_refinement.h);
// each new value sums over j in increasing order.
LimitSamples basic_limit_function(const SubdivisionMask& mask, int levels);

// The number of values the cascade gives at `levels`, without running it.
double limit_sample_count(const SubdivisionMask& mask, int levels);

// The centred divided difference (f(x + h) - f(x - h)) / (2 h) at every
// sample, f zero outside the samples (as the function is outside its
// support): applied d times it approximates the d-th derivative, with an
// error of order h^2 where the derivative is smooth.
std::vector<double> centred_difference(const std::vector<double>& values, double step);

}  // namespace curvix
