#pragma once
// The mode of a scheme run level by level: whether its level masks are one
// stationary rule, and for a non-stationary scheme whether they approach a
// given stationary rule, how fast, and what that speed shows.
//
// Stationary: every trusted level's mask equals the first trusted one's
// within rounding. A mask from a solve of condition number kappa is accurate
// to about kappa eps (the first-order forward error of a linear system), so
// two masks count as equal when they differ by at most the sum of their
// mask_rounding. Measured: the symmetric RBF masks come out symmetric to
// 0.02 kappa eps or better (RBF6, kappa 6.7e10: 3e-7); a gaussian stationary
// scheme's masks move by 1e-2 per level, far above it, while the
// multiquadric's, whose systems scale by powers of 2 exactly from level to
// level, agree to 1e-15 (RBF4, kappa 160 to 26000).
//
// Non-stationary: d_k = ||w_k - limit||_inf for each level k. A level is
// clean when it is trusted and d_k is above CLEAN_DISTANCE_FACTOR times its
// rounding; the rate q is d_k / d_(k-1) at the deepest three consecutive
// clean levels. The limit is checked, not assumed: the masks' own geometric
// extrapolation from those levels (their steps shrinking by
// p = ||w_k - w_(k-1)|| / ||w_(k-1) - w_(k-2)||) must lie within
// LIMIT_AGREEMENT d_k of the candidate; masks converging elsewhere
// extrapolate to where they go, the whole gap away from it (a ratio near 1),
// while masks converging to it but not yet at their asymptotic rate leave
// part of d_k (RBF6 at r = 1, levels 3 to 5: 0.51).
//
// Asymptotic similarity (Dyn, Levin and Yoon 2007; Conti, Dyn, Manni and
// Mazure 2015): a non-stationary scheme whose masks approach a C^m stationary
// rule with sum_k d_k 2^(m k) finite is C^m as well. With d_k shrinking by q
// a level that sum is finite when q 2^m < 1; similarity_order is the largest
// m with q 2^m <= SIMILARITY_MARGIN, since a rate measured from two levels is
// good to a few per cent only (an RBF mask's distances fall by 1/4
// asymptotically, measured 0.2498 to 0.26, and q 2^2 = 1 must not pass). The
// rate is measured at finitely many levels: that it holds beyond them is an
// assumption, which callers state.

#include <limits>
#include <vector>

namespace curvix {

constexpr double MASK_ROUNDING_ULPS = 1.0;     // eps units per unit of condition number
constexpr double CLEAN_DISTANCE_FACTOR = 8.0;  // a distance this far above rounding measures a rate
constexpr double LIMIT_AGREEMENT = 0.75;       // extrapolation error allowed, in units of d_k
constexpr double SIMILARITY_MARGIN = 0.9;      // q 2^m at most this counts as below 1
constexpr int MAX_SIMILARITY_ORDER = 60;       // 2^m stays exact in a double

// One level's mask and the condition number of its stencil system (0 when
// it has none, as the four-point rules).
struct LevelMask {
  std::vector<double> weights;
  double condition = 0.0;
};

// The rounding of a mask solved with this condition number, in the inf-norm:
// MASK_ROUNDING_ULPS eps max(1, condition).
double mask_rounding(double condition);

// The rule of polynomial interpolation of degree s - 1 at the uniform nodes
// of s (even, >= 2) points, inserting in the middle: the s-point
// Deslauriers-Dubuc rule, which RBF stencils approach in the flat limit
// (spacing small against r).
std::vector<double> flat_limit_weights(int s);

struct SchemeMode {
  std::vector<bool> trusted;    // per level: condition within the limit given
  std::vector<double> changes;  // per level: ||w_k - w_first trusted||_inf
  bool stationary = false;
  // Non-stationary only (empty, 0 or false otherwise):
  std::vector<double> limit_weights;  // the candidate checked
  std::vector<double> distances;      // per level: d_k
  int rate_level = 0;                 // 1-based k of the levels k - 2..k measured; 0: none
  double rate = 0.0;                  // q
  double extrapolation_error = std::numeric_limits<double>::infinity();
  bool limit_confirmed = false;
  int similarity_order = -1;  // largest m with q 2^m <= SIMILARITY_MARGIN; -1: none, unconfirmed
};

// The mode of the levels (at least one, masks of one size) against the
// candidate limit (same size), trusting levels of condition <= condition_limit.
SchemeMode scheme_mode(const std::vector<LevelMask>& levels, const std::vector<double>& candidate,
                       double condition_limit);

}  // namespace curvix
