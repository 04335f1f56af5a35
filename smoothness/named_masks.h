#pragma once
// The masks of the classic schemes, exact, each aligned by exact_mask.h's
// convention; where each comes from is in subdivision/scheme_kind.h's table.

#include <vector>

#include "smoothness/exact_mask.h"

namespace curvix {

constexpr int MIN_BSPLINE_DEGREE = 1;
constexpr int MAX_BSPLINE_DEGREE = 16;  // the mask's taps grow as binomials: 17 taps
constexpr int DEFAULT_BSPLINE_DEGREE = 3;

// The ternary four-point scheme is C2 for 1/15 < mu < 1/9; 1/11 is inside.
inline const Rational DEFAULT_TERNARY_MU{1, 11};

// Lane-Riesenfeld: (1 + z)^(d + 1) / 2^d, the uniform B-spline of degree d.
ExactMask bspline_mask(int degree);

// Chaikin's corner cutting, (1, 3, 3, 1) / 4: the quadratic B-spline.
ExactMask chaikin_mask();

// The dual four-point scheme, (-5, -7, 35, 105, 105, 35, -7, -5) / 128.
ExactMask dual4_mask();

// The ternary interpolatory four-point scheme:
//   p[3i] = p[i],
//   p[3i + 1] = a0 p[i - 1] + a1 p[i] + a2 p[i + 1] + a3 p[i + 2],
//   p[3i + 2] = a3 p[i - 1] + a2 p[i] + a1 p[i + 1] + a0 p[i + 2],
// a0 = -1/18 - mu/6, a1 = 13/18 + mu/2, a2 = 7/18 - mu/2, a3 = -1/18 + mu/6.
ExactMask ternary4_mask(const Rational& mu);

// The binary interpolatory mask of insertion weights w1..w2L (the rule's
// weights, outermost first), each weight's double taken exactly.
ExactMask interpolatory_exact_mask(const std::vector<double>& weights);

}  // namespace curvix
