#pragma once
// The smoothness of a binary interpolatory rule in two steps: the depth
// bounds of smoothness_report.h first, then the exact regularity of
// exact_regularity.h (the invariant polytope), or, where that cannot be had,
// the bounds of its pruned product tree. The result is the tighter of the two
// steps: one value when exact, else the intersection of both pairs of bounds.
//
// Exact is exact up to EXACT_REGULARITY_ROUNDING: a closed polytope proves
// rho within [lambda, lambda (1 + POLYTOPE_TOLERANCE)], so the exponent
// n - log2(lambda) may be too large by POLYTOPE_TOLERANCE / ln 2, plus the
// rounding of lambda itself.

#include <vector>

#include "smoothness/exact_mask.h"
#include "smoothness/exact_regularity.h"
#include "smoothness/smoothness_report.h"

namespace curvix {

constexpr double EXACT_REGULARITY_ROUNDING = 1.5e-9;  // Hölder units: 1e-9 / ln 2, rounded up

struct CertifiedSmoothness {
  SmoothnessReport bounds;     // the first step, with the analysed weights and their sum rules
  bool second_step = false;    // the exact step ran (bounds.status is ANALYSED)
  ExactRegularity regularity;  // the second step: exact, or bounds with the gap and the reason
  double lower = 0.0;          // alpha >= lower
  double upper = 0.0;          // alpha <= upper (may be +infinity); == lower when exact
  bool exact = false;
  bool attained = false;      // the limit curves are in C^alpha itself (exact only)
  int smoothness_class = -1;  // C^k proved; -1 when not even C0 is
  int excluded_class = -1;    // not C^m; -1 when none is excluded
};

// Both steps for the rule with these weights (see analyse_smoothness for the
// moved weights and the statuses; the second step runs only on ANALYSED).
CertifiedSmoothness certified_smoothness(const std::vector<double>& weights,
                                         int depth = DEFAULT_REGULARITY_DEPTH);

// The second step for a rule whose first step (`bounds`, ANALYSED, with its
// sum rules n) is done: the exact regularity of its factor b (arity m), and
// both steps combined.
CertifiedSmoothness certified_factor_smoothness(const SmoothnessReport& bounds,
                                                const std::vector<double>& b, int arity);

// The depth of the first step by default: products of length up to
// DEFAULT_REGULARITY_DEPTH for binary rules, and as many products in all
// (about 2^14) for the other arities: 9 for ternary, 7 for quaternary.
int default_regularity_depth(int arity);

// Both steps for a mask of any arity with exact taps. The sum rules and the
// factor b are exact (exact_mask.h); b is rounded to doubles, each tap to the
// nearest, for the matrices. `bounds` holds the depth bounds, its
// reproduction degree the mask's, and no weights.
struct MaskSmoothness {
  MaskProblem problem = MaskProblem::EMPTY;  // the rest is meaningful only when NONE
  MaskMoments moments;
  std::vector<double> factor;  // b
  CertifiedSmoothness smoothness;
};
MaskSmoothness mask_smoothness(const ExactMask& mask, int depth);

}  // namespace curvix
