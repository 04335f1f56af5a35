#pragma once
// Bounds on the joint spectral radius rho of a family {T_0, ..., T_(m-1)} by a pruned
// tree of products (Gripenberg, Linear Algebra Appl. 234, 1996).
//
// Every product bounds rho from below by rho(T_w)^(1/|w|). From above: if S
// is a set of words such that every infinite word has a prefix in S, then
// cutting a long product greedily into words of S gives
//   rho <= max_{w in S} ||T_w||^(1/|w|)
// for any submultiplicative norm. The tree of words is explored breadth
// first; a word whose best prefix rate m(w) = min_{prefixes p} ||T_p||^(1/|p|)
// is at most lower * 2^gap_target is not extended (its subtree is covered at
// that rate), and the upper bound is the largest m over the leaves: those cut
// off and those still open when the depth or node budget runs out. So the
// gap log2(upper / lower), the width of the bounds on the Hölder exponent,
// reaches gap_target exactly when no leaf stays open.
//
// Norm: the spectral norm (the square root of the largest eigenvalue of
// P^T P), within rounding of the true 2-norm, so the bounds hold to rounding;
// callers precondition the pair by a similarity to bring it near an extremal
// norm.
// Limits: the depth needed grows like log(cond) / gap for a family far from
// having the 2-norm extremal; for complex leading eigenvalues of non-normal
// matrices the budget may run out first, and the result says so.
// Cost: per node one product and one symmetric eigenvalue problem of order
// d, and beyond known_length one general eigenvalue problem.

#include <Eigen/Dense>
#include <string>

#include "smoothness/subdivision_matrices.h"

namespace curvix {

// The default keeps a rule of 12 points, whose matrices have order up to 20,
// within about 50 ms of tree on one core (analysis_benchmark).
struct ProductTreeBudget {
  int max_depth = 64;          // longest product
  int max_nodes = 1500;        // products examined in all
  int max_level_nodes = 1024;  // open products kept at one depth (memory: d^2 doubles each)
};

struct ProductTreeBounds {
  double lower = 0.0;        // rho >= lower: the best rho(T_w)^(1/|w|) seen, or the start value
  double upper = 0.0;        // rho <= upper
  std::string lower_word;    // the word that gave lower (empty: the start value)
  int depth = 0;             // deepest level examined
  int nodes = 0;             // products examined
  bool gap_reached = false;  // log2(upper / lower) <= gap_target
};

// Bounds for the family (square, one order d >= 1) starting from a known lower
// bound (>= 0, e.g. a candidate's rate) that already covers every word of
// length <= known_length (>= 0; the Lyndon search does, as each word is a
// rotation of a power of a Lyndon word no longer), whose spectral radii are
// then not computed again, and a target gap > 0 in log2 units.
ProductTreeBounds product_tree_bounds(const MatrixFamily& family, double lower, int known_length,
                                      double gap_target, const ProductTreeBudget& budget = {});

}  // namespace curvix
