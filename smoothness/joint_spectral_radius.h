#pragma once
// The joint spectral radius rho of a family {T_0, ..., T_(m-1)}, exact where the
// invariant polytope algorithm certifies it, else bounds from a pruned
// product tree.
//
//   1. Candidate: the Lyndon word Pi of length k <= candidate_length of best
//      rate lambda = rho(T_Pi)^(1/k), and the words tied with it
//      (spectrum_maximizing_product.h).
//   2. If every tied word has a real, simple leading eigenvalue strictly
//      largest in modulus, the invariant polytope algorithm (Guglielmi and
//      Protasov 2013; invariant_polytope.h) runs on {T_i / lambda} from the
//      leading eigenvectors of all their cyclic rotations, v, T_{w_k} v /
//      lambda, T_{w_(k-1)} T_{w_k} v / lambda^2, ... If it closes with
//      vertices spanning R^d, rho = lambda exactly and the normalized
//      products are bounded (the polytope norm is extremal).
//   3. If it closes on a proper subspace U, U is invariant under both
//      matrices, which are then block triangular in an orthonormal basis
//      [U, U^perp], and rho is the larger of the blocks' joint spectral radii
//      (the one on U being lambda): the quotient pair W^T T_i W on U^perp is
//      analysed the same way. Products stay bounded when the quotient's rho
//      is strictly smaller; on a tie that is left undecided (bounded false).
//   4. If a tied word's leading eigenvalue is a strictly dominant complex
//      pair, the complex form of the algorithm (complex_polytope.h) runs
//      from the complex leading eigenvectors; closed, spanning C^d, it
//      proves rho in [lambda, lambda c] with its measured certificate c
//      <= 1 + POLYTOPE_TOLERANCE, and counts as exact.
//   5. Otherwise (a repeated or non-unique leading eigenvalue, or a
//      budget spent) the product tree (Gripenberg 1996;
//      product_tree_bounds.h) bounds rho from lambda upward until the gap
//      log2(upper / lower) is below gap_target or its budget is spent. Its
//      norm is the 2-norm in a real eigenbasis of T_Pi, where T_Pi's own
//      norm is its spectral radius (a rotation for a complex pair), when
//      that basis is well conditioned; else the plain 2-norm.
//
// "Exact" is exact up to POLYTOPE_TOLERANCE: rho lies in [lambda,
// lambda (1 + 1e-9)], reported as lower = upper = lambda.
// Cost: the candidate search (about 2^(L+1) / L eigenvalue problems of
// order d for L = candidate_length) plus the polytope's LPs, or the tree's
// budget of products. Measured in analysis_benchmark.

#include <Eigen/Dense>
#include <string>

#include "smoothness/invariant_polytope.h"
#include "smoothness/product_tree_bounds.h"

namespace curvix {

// Why the result is bounds rather than exact.
enum class JsrFallback {
  NONE,                         // exact: a polytope closed
  COMPLEX_LEADING_EIGENVALUE,   // a tied candidate's leading eigenvalue is a complex pair
  MULTIPLE_LEADING_EIGENVALUE,  // ... is repeated
  LEADING_MODULUS_NOT_UNIQUE,   // ... has a real eigenvalue of opposite sign and equal modulus
  ZERO_SPECTRAL_RADIUS,         // every candidate product is nilpotent to rounding
  EIGENVALUE_FAILURE,           // Eigen's eigenvalue iteration did not converge
  VERTEX_BUDGET_SPENT,          // the polytope reached its vertex budget
  LP_BUDGET_SPENT,              // ... its budget of LP solves
  VERTICES_DIVERGED,            // ... grew vertices past its size limit: lambda < rho
  LP_FAILURE,                   // GLPK failed
  POLYTOPE_NOT_SPANNING         // a complex polytope closed on a proper subspace only
};

constexpr double FALLBACK_GAP = 1e-4;  // target of log2(upper / lower), the Hölder exponent's width

struct JsrSettings {
  int candidate_length = 10;  // longest candidate word: 200 words (Lyndon words up to 10)
  PolytopeBudget polytope;
  ProductTreeBudget tree;
  double gap_target = FALLBACK_GAP;
};

// The settings for a family of m matrices: candidate words up to 10 letters
// for a pair, 7 for three matrices and 6 for four (a few hundred Lyndon words
// each), the rest as the defaults.
JsrSettings jsr_settings(int arity);

struct JointSpectralRadius {
  double lower = 0.0;  // rho >= lower
  double upper = 0.0;  // rho <= upper; == lower when exact
  bool exact = false;
  bool bounded = false;           // normalized products proved bounded (an extremal norm exists)
  std::string word;               // the candidate Pi (convention in spectrum_maximizing_product.h)
  int polytope_vertices = 0;      // of the polytope that closed, or of the attempt
  bool complex_polytope = false;  // the polytope was the balanced complex one
  JsrFallback fallback = JsrFallback::NONE;
  double gap = 0.0;          // log2(upper / lower); 0 when exact
  bool gap_reached = false;  // exact, or the tree reached gap_target
};

// rho of the family (at least 2 matrices, square, one order d >= 1, finite
// entries), and of the pair {t0, t1}.
JointSpectralRadius joint_spectral_radius(const MatrixFamily& family,
                                          const JsrSettings& settings = {});
JointSpectralRadius joint_spectral_radius(const Eigen::MatrixXd& t0, const Eigen::MatrixXd& t1,
                                          const JsrSettings& settings = {});

}  // namespace curvix
