#pragma once
// Subdivision masks of any arity m = 2..4, with exact rational taps, and what
// can be read off them exactly: the sum rules, the degrees of polynomial
// generation and reproduction, the parametrisation that reproduction is
// relative to, and the support of the basic limit function.
//
// Convention. A mask a_0..a_K of arity m refines a polygon by
//   p_(k+1)[i] = sum_j a[i - m j] p_k[j],
// the taps placed at indices first..first+K so that the mask's centre K/2
// falls on index 0 when K is even (a primal mask, an odd number of taps:
// cubic B-spline (1, 4, 6, 4, 1)/8 at -2..2, the four-point rule at -3..3)
// and on -1/2 when K is odd (a dual mask, an even number of taps: Chaikin's
// (1, 3, 3, 1)/4 at -2..1, whose new points 2i and 2i + 1 sit a quarter and
// three quarters along the edge from p_i to p_(i+1)). The symbol is
// a(z) = sum_l a_l z^l; a scheme converges only if a(1) = m.
//
// Sum rules: the largest n with sigma(z)^n dividing a(z), sigma(z) = 1 + z +
// ... + z^(m-1), and a(1) = m. The scheme then generates polynomials of
// degree n - 1.
//
// Reproduction (the same as Conti and Hormann 2011, worked out for the
// parameter values of every level): with c = a'(1) / m, the scheme reproduces
// degree d for the parameter values t_(k,i) = (i + tau) / m^k, tau = c / (m - 1),
// exactly when for every residue r = 0..m-1 and q = 0..d
//   sum over l = r (mod m) of a_l (l - c)^q = [q = 0],
// so p_(k+1)[i] lands on a polynomial sampled at t_(k+1,i) when p_k does at
// t_(k,i). For m = 2, tau = a'(1) / 2, as in Dyn, Hormann, Sabin and Shen
// 2008; it is 0 for every symmetric primal mask and -1/2 for a symmetric dual
// binary one, which places level 0's points at i - 1/2.
//
// Support: the basic limit function phi = sum_l a_l phi(m . - l) vanishes
// outside [f / (m - 1), g / (m - 1)], f and g the first and last non-zero
// taps' indices.

#include <gmpxx.h>

#include <vector>

namespace curvix {

using Rational = mpq_class;

constexpr int MIN_ARITY = 2;
constexpr int MAX_ARITY = 4;
constexpr int MAX_MASK_TAPS = 64;  // the analysis's matrices are of order up to 63 / (m - 1)

enum class MaskProblem {
  NONE,
  EMPTY,          // no taps
  ARITY,          // m outside MIN_ARITY..MAX_ARITY
  TOO_LONG,       // more than MAX_MASK_TAPS taps
  ALL_ZERO,       // every tap is 0
  SUM_NOT_ARITY,  // a(1) != m: no limit
  NO_SUM_RULE     // a(1) = m, but the taps of one residue class do not sum to 1
};

struct ExactMask {
  std::vector<Rational> taps;  // a_0..a_K as given
  int arity = 2;
  int first = 0;  // the index of taps[0]

  int last() const { return first + static_cast<int>(taps.size()) - 1; }
  bool dual() const { return taps.size() % 2 == 0; }
};

// The mask of these taps (brought to lowest terms) and arity, aligned by the
// convention above.
ExactMask aligned_mask(const std::vector<Rational>& taps, int arity);

// The first problem of the mask, or NONE.
MaskProblem mask_problem(const ExactMask& mask);

struct MaskMoments {
  int sum_rules = 0;
  int generation_degree = -1;    // sum_rules - 1
  int reproduction_degree = -1;  // -1: not even constants
  Rational tau;                  // reproduction is for the parameter values (i + tau) / m^k
  Rational support_begin;        // of the basic limit function
  Rational support_end;
};

// The moments of a mask without problem (mask_problem NONE).
MaskMoments mask_moments(const ExactMask& mask);

// b(z) = m^(n-1) a(z) / sigma(z)^n, taps from z^0 after the zero taps at both
// ends of a are dropped: the factor whose subdivision matrices give the
// regularity (subdivision_matrices.h). n at most the mask's sum rules.
std::vector<Rational> regularity_factor(const ExactMask& mask, int n);

// The double nearest to q (ties to even).
double nearest_double(const Rational& q);

// The taps as doubles, each the nearest to its exact value.
std::vector<double> mask_doubles(const std::vector<Rational>& taps);

}  // namespace curvix
