#pragma once
// Hölder regularity of the limit curves of a binary subdivision scheme from
// its mask (Rioul 1992; Daubechies and Lagarias 1991).
//
// With n sum rules the symbol factors as a(z) = 2 ((1 + z) / 2)^n b(z), b(1) = 1.
// For b with taps b_0..b_N (shifted to start at z^0) the two subdivision
// matrices of order max(N, 1) are
//   (T_e)_ij = 2 b_{e + 2i - j},  e = 0, 1,  i, j = 0..N-1,
// and with rho their joint spectral radius the Hölder exponent alpha of the
// limit curves is n - log2(rho) (Rioul's bounds below meet there). Every
// product P of l matrices bounds rho:
//   max_P rho(P)^(1/l) <= rho <= max_P ||P||^(1/l)
// (the right side for one submultiplicative norm, the maximum over all
// products of that length), so the first bound caps alpha from above and the
// second from below. Example: Deslauriers-Dubuc's 4-point rule has n = 4,
// b = (-1, 4, -1) / 2 and rho(T_0) = 4, so alpha <= 2, which is its regularity.

#include <Eigen/Core>
#include <vector>

#include "smoothness/mask_moments.h"
#include "smoothness/subdivision_matrices.h"

namespace curvix {

// Remainder of dividing by (1 + z) that counts as zero, relative to sum |a_k|.
constexpr double DIVISION_REMAINDER_TOLERANCE = 1e-9;

// Divides the polynomial sum_k coefficients[k] z^k (size >= 2) by (1 + z).
// Returns false, quotient untouched, when the remainder a(-1) exceeds
// DIVISION_REMAINDER_TOLERANCE * sum |a_k|; otherwise quotient has size - 1 taps.
bool divide_by_one_plus_z(const std::vector<double>& coefficients, std::vector<double>& quotient);

// b(z) = a(z) / (2 ((1 + z) / 2)^n) with its exponents shifted to start at z^0,
// after the zero taps at both ends of a are dropped. Returns false, b
// untouched, when a division leaves a remainder or the mask is too short.
bool regularity_factor(const LaurentMask& mask, int n, std::vector<double>& b);

// Bounds on the joint spectral radius of a family {T_0, ..., T_(m-1)} (the
// pair form is the binary family {t0, t1}) from all products of length
// 1..depth (depth >= 1): upper = the best over lengths and over the 1-, inf- and
// Frobenius norms of max ||P||^(1/l); lower = max rho(P)^(1/l), taken over
// one product per class of cyclic rotations (rho(XY) = rho(YX)) and skipping
// powers of shorter products, i.e. over Lyndon words. Lengths at which the
// bounds were attained are reported. Cost: about m^depth products for the
// norms (2^(depth+1) for a pair), about m^depth / depth spectral radii.
struct JointSpectralRadiusBounds {
  double lower = 0.0;
  double upper = 0.0;
  int lower_length = 0;  // length of the product that gave `lower`
  int upper_length = 0;  // length whose norms gave `upper`
};
JointSpectralRadiusBounds joint_spectral_radius_bounds(const MatrixFamily& family, int depth);
JointSpectralRadiusBounds joint_spectral_radius_bounds(const Eigen::MatrixXd& t0,
                                                       const Eigen::MatrixXd& t1, int depth);

// The Hölder exponent n - log_m(rho) that a joint spectral radius rho >= 0
// gives a mask of arity m with n sum rules; +infinity for rho = 0. A bound on
// rho from above gives one on the exponent from below, and the reverse.
double holder_exponent(int n, double rho, int arity = 2);

// alpha bounds holder_exponent(n, rho.upper) <= alpha <= holder_exponent(n,
// rho.lower) for a mask with n sum rules.
struct HolderBounds {
  double lower = 0.0;
  double upper = 0.0;
  JointSpectralRadiusBounds rho;
};
HolderBounds holder_bounds(const std::vector<double>& b, int n, int depth, int arity = 2);

}  // namespace curvix
