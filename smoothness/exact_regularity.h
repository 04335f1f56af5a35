#pragma once
// The Hölder regularity of a binary subdivision scheme's limit curves from
// the factor b of its mask, exact where the joint spectral radius is
// (joint_spectral_radius.h), with whether the exponent is attained and the
// smoothness class that follows (Rioul 1992; Daubechies and Lagarias 1991).
//
// With n sum rules, a(z) = 2 ((1 + z) / 2)^n b(z) and rho the joint spectral
// radius of the matrices of b (subdivision_matrices.h), the Hölder
// exponent is alpha = n - log2(rho): the limit curves are in C^(alpha - eps)
// for every eps > 0, and in no C^(alpha + eps).
//
// Attained: whether the curves are in C^alpha itself, i.e. for alpha = k + s,
// 0 < s < 1, the k-th derivative is s-Hölder, and for an integer alpha = k
// the (k-1)-st derivative is Lipschitz.
//   - alpha not an integer: the n-th differences at level j are O(2^(-j alpha))
//     exactly when the products of {T_i / rho} are bounded, which an
//     extremal (polytope) norm proves; those differences then give C^alpha.
//   - alpha = k an integer: the k-th differences decide. Their matrices are
//     those of c = ((1 + z) / 2)^(n-k) b, whose joint spectral radius is 1,
//     and which are block triangular: on the differences of order > k the
//     block of b scaled by 2^(k-n), and the blocks 1, 1/2, ..., 2^(k+1-n) of
//     the restored factors, the 1 belonging to constants (every column of T_i
//     of c sums to c(1) = 1). So two blocks share the radius 1, and where the
//     candidate product Pi of c has a Jordan block at its leading eigenvalue,
//     ||T_(Pi^j)|| grows like j and the (k-1)-st derivative is only
//     log-Lipschitz (Deslauriers-Dubuc's 4-point rule, alpha = 2, is C1 with a
//     derivative of that kind). Decided on the candidate products (the best
//     word and its ties) only: a Jordan block there proves "not attained"; its
//     absence is taken as attained.
// Class: C^k is proved for the largest integer k < alpha_lower, and C^m
// excluded for the smallest integer m >= alpha_upper: at an integer alpha = m
// the m-th derivative scheme's differences do not tend to zero, so C^m fails
// whether or not alpha is attained. Both comparisons allow CLASS_EPSILON.
//
// Worked values: Deslauriers-Dubuc 4-point 2 (not attained: C1, not C2),
// 6-point 6 - log2 9 = 2.830075, 8-point 3.551131 (Rioul 1992).
// Cost: that of joint_spectral_radius on matrices of order b.size() - 1,
// plus one eigenvalue problem and one SVD of order b.size() - 1 + n - k when
// alpha is an integer k.

#include <vector>

#include "smoothness/joint_spectral_radius.h"

namespace curvix {

constexpr double CLASS_EPSILON = 1e-8;    // in Hölder units: above the 1.5e-9 of an exact alpha
constexpr double INTEGER_EPSILON = 1e-8;  // an exact alpha this close to an integer is one

// A Jordan block counts as present when the leading generalized eigenspace's
// nilpotent part has an entry above this, relative to max(1, ||P||_max); a
// diagonalizable cluster leaves only rounding there.
constexpr double JORDAN_COUPLING_TOLERANCE = 1e-6;

struct ExactRegularity {
  JointSpectralRadius rho;    // of the matrices of b: bounds, exact flag, word, fallback, gap
  double alpha_lower = 0.0;   // n - log2(rho.upper)
  double alpha_upper = 0.0;   // n - log2(rho.lower); +infinity when rho.lower is 0
  bool exact = false;         // alpha_lower == alpha_upper (see POLYTOPE_TOLERANCE)
  bool attained = false;      // see above; false whenever not exact
  int smoothness_class = -1;  // C^k proved; -1 when not even C0 is
  int excluded_class = -1;    // not C^m; -1 when none is excluded
};

// The regularity for the factor b (size >= 1) of a mask of arity m >= 2 with
// n >= 1 sum rules, as holder_bounds gives bounds.
ExactRegularity exact_regularity(const std::vector<double>& b, int n,
                                 const JsrSettings& settings = {}, int arity = 2);

// Whether the eigenvalue of largest modulus of p (square) is real, repeated
// (EIGENVALUE_SEPARATION) and defective (JORDAN_COUPLING_TOLERANCE).
bool leading_jordan_block(const Eigen::MatrixXd& p);

}  // namespace curvix
