#pragma once
// Moments of binary interpolatory subdivision rules: the full mask, the sum
// rules it satisfies, the degree of polynomial reproduction of an insertion
// rule, and the nearest rule with a given number of sum rules.
//
// A rule with 2L weights w_1..w_2L keeps the old points, p'_2i = p_i, and
// inserts p'_2i+1 = sum_{m=1..2L} w_m p_{i-L+m} between p_i and p_i+1. Its mask
// a_k, with p'_k = sum_j a_{k-2j} p_j and symbol a(z) = sum_k a_k z^k, has
// a_0 = 1, the other even taps 0 and the odd taps a_{2L+1-2m} = w_m.
// Weights are 0-based in the vectors: weights[m - 1] is w_m.
//
// On the uniform grid the rule's nodes are T_m = m - L - 1/2 (m = 1..2L) with
// insertion at tc = 0: p_i sits at -1/2, p_i+1 at +1/2, and the nodes run from
// -L + 1/2 to L - 1/2 (uniform_nodes).

#include <vector>

namespace curvix {

// a(z) = sum_k taps[k] z^(first + k), a Laurent polynomial.
struct LaurentMask {
  std::vector<double> taps;
  int first = 0;  // exponent of taps[0]
};

// Tolerances of the moment tests. A moment M_q = sum_k (-1)^k a_k k^q (even
// taps minus odd taps) counts as zero
//   exactly,        when |M_q| <= EXACT_MOMENT_ULPS * eps * sum_k |a_k| |k|^q,
//                   i.e. to a few ulps of the terms it sums;
//   within rounding, when |M_q| <= that + PRINTED_WEIGHT_ERROR * sum_k |k|^q
//                   over the mask's span, the most that taps each off by
//                   PRINTED_WEIGHT_ERROR can move it.
// A tap printed with 4 decimals is off by at most 5e-5; the bound sums over
// all taps, even ones included, which leaves a margin of about 2 for a printed
// interpolatory rule. The price: a rule within that distance of one with more
// sum rules is taken for a rounded copy of it.
constexpr double EXACT_MOMENT_ULPS = 16.0;
constexpr double PRINTED_WEIGHT_ERROR = 5e-5;  // half a unit of the 4th decimal

// Relative tolerance of reproduction_degree (see there): loose enough for RBF
// masks, whose solver leaves errors far above a few ulps, tight enough that a
// degree missed by a perturbation of a weight as small as 1e-6 shows.
constexpr double REPRODUCTION_TOLERANCE = 1e-9;

// Sum rules satisfied exactly and within rounding (exact <= within_rounding).
struct SumRuleCount {
  int exact = 0;
  int within_rounding = 0;
};

// The mask of the rule with 2L weights (size >= 2, even): taps a_{1-2L} ..
// a_{2L-1}, so first = 1 - 2L and taps.size() = 4L - 1.
LaurentMask interpolatory_mask(const std::vector<double>& weights);

// The number of sum rules of a mask: the largest k such that a(1) = 2 and
// M_q = 0 for q = 0..k-1 (equivalently, a(z) is divisible by (1 + z)^k),
// counted with both tolerances above. 0 when a(1) = 2 fails; at most
// taps.size() - 1, the degree of a(z) once shifted to start at z^0.
SumRuleCount count_sum_rules(const LaurentMask& mask);

// The largest d such that weights w_m at nodes T_m (same size n >= 1) inserting
// at tc satisfy sum_m w_m (T_m - tc)^q = delta_q0 for q = 0..d, each moment to
// within tolerance * max(1, sum_m |w_m| |T_m - tc|^q) (the sum of the moduli of
// its terms, so the test is relative to the cancellation it involves). -1 when
// even q = 0 fails. At most n: a rule that passes q = n has tc on a node and
// reproduces every degree. Valid for non-uniform nodes.
int reproduction_degree(const std::vector<double>& weights, const std::vector<double>& nodes,
                        double tc, double tolerance = REPRODUCTION_TOLERANCE);

// T_m = m - L - 1/2 for m = 1..2L (size 2L): the uniform nodes, with tc = 0.
std::vector<double> uniform_nodes(int size);

// The weights nearest to `weights` (size 2L, Euclidean distance) whose rule
// satisfies k sum rules, 1 <= k <= 2L: the minimal-norm correction onto
// sum_m w_m T_m^q = delta_q0 (q < k) at the uniform nodes, which are the sum
// rules of an interpolatory mask. The constraints are scaled by L^-q and the
// projection is applied twice, the second time to the residual the first left,
// so the result meets them to rounding. Returns false, leaving `corrected`
// untouched, when k is out of range.
bool nearest_weights_with_sum_rules(const std::vector<double>& weights, int k,
                                    std::vector<double>& corrected);

}  // namespace curvix
