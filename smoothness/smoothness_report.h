#pragma once
// Smoothness of the limit curves of a binary interpolatory rule given by its
// weights (see mask_moments.h for the rule and holder_regularity.h for the
// bounds): sum rules, polynomial reproduction, Hölder bounds and the
// smoothness class they prove or exclude.
//
// Class rules. The limit curves are C^k for the largest integer k below the
// lower Hölder bound. A limit curve in C^m needs the (m+1)-st differences of
// the refined polygons, times 2^(mj) at level j, to tend to zero; a product P
// of length l with rho(P)^(1/l) >= 2^(n-m), i.e. an upper bound <= m, keeps
// them from it, so the curves are not C^m for the smallest such integer m.
// Both comparisons allow CLASS_TOLERANCE for the rounding of the logarithms:
// Deslauriers-Dubuc's 4-point rule, whose upper bound is 2 up to rounding, is
// reported C1 and not C2.

#include <vector>

namespace curvix {

// Products of length up to 14 for the norms and the spectral radii. Measured
// (smoothness_benchmark, one core): DD6, matrices of order 4, about 15 ms; a
// 6-point rule with only 2 sum rules, order 8, about 75 ms; each extra unit of
// depth roughly doubles the time. DD6's bounds then bracket 2.830 within 0.015.
constexpr int DEFAULT_REGULARITY_DEPTH = 14;
constexpr double CLASS_TOLERANCE = 1e-10;  // in units of the Hölder exponent

enum class SmoothnessStatus {
  ANALYSED,       // bounds and class below are meaningful
  INVALID_RULE,   // not an even number (>= 2) of finite weights, depth < 1, or a
                  // mask that does not factor by the sum rules it was found to meet
  NOT_CONVERGENT  // a(1) = 2 fails by more than rounding: no sum rule, no limit
};

struct SmoothnessReport {
  SmoothnessStatus status = SmoothnessStatus::INVALID_RULE;
  int sum_rules = 0;             // of the analysed weights, exact
  int reproduction_degree = -1;  // of the analysed weights at the uniform nodes
  double holder_lower = 0.0;     // alpha >= this
  double holder_upper = 0.0;     // alpha <= this (may be +infinity)
  int smoothness_class = -1;     // C^k proved; -1 when not even C0 is
  int excluded_class = -1;       // not C^m; -1 when the bounds exclude none
  bool corrected = false;        // the weights were moved to meet the sum rules
  double correction = 0.0;       // largest |change| of one weight
  std::vector<double> analysed_weights;
};

// The full analysis of the rule with the given weights (0-based, see
// mask_moments.h) from products of length up to depth >= 1. Weights that meet
// more sum rules within rounding (PRINTED_WEIGHT_ERROR) than exactly are
// replaced by the nearest weights (least squares) that meet the most of those
// rules, at most 2L, reachable by a correction of rounding size: at most
// PRINTED_WEIGHT_ERROR * sqrt(2L) in the 2-norm, the distance to the true
// weights of a printed rule; `corrected` and `correction` then say so.
// Weights that fail a(1) = 2 beyond rounding give status NOT_CONVERGENT. Never
// throws on bad input; failure is the status.
SmoothnessReport analyse_smoothness(const std::vector<double>& weights,
                                    int depth = DEFAULT_REGULARITY_DEPTH);

// The class rules above applied to a pair of Hölder bounds.
int proved_smoothness_class(double holder_lower);
int excluded_smoothness_class(double holder_upper);

}  // namespace curvix
