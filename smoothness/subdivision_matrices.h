#pragma once
// The subdivision matrices of a factor b of a mask of arity m, as Eigen
// matrices, and the factor with some of the mask's sum rules put back.
//
// With n sum rules a mask of arity m factors as
//   a(z) = m (sigma(z) / m)^n b(z),  sigma(z) = 1 + z + ... + z^(m-1),  b(1) = 1.
// For b with taps b_0..b_N (exponents shifted to start at z^0) the m matrices
// of order D = max(ceil(N / (m - 1)), 1) are
//   (T_e)_ij = m b_{e + m i - j},  e = 0..m-1,  i, j = 0..D-1,
// taps outside 0..N being 0 (Rioul 1992 and Daubechies and Lagarias 1991 for
// m = 2; the same construction for any arity). They act on the n-th
// differences of the refined polygons: Delta^n p_(j+1) at the positions of
// residue e is T_e applied to a window of m^(-n)-scaled Delta^n p_j, so the
// joint spectral radius rho of {T_0, ..., T_(m-1)} gives the Hölder exponent
// n - log_m(rho). Example: the cubic B-spline, a = (1 + z)^4 / 8, has n = 4,
// b = 1 and T_0 = (2), T_1 = (0): rho = 2, exponent 3.

#include <Eigen/Dense>
#include <vector>

namespace curvix {

// The matrices T_0..T_(m-1) of one family, all of one order.
using MatrixFamily = std::vector<Eigen::MatrixXd>;

// T_0..T_(arity-1) of b (size >= 1), arity >= 2.
MatrixFamily subdivision_matrices(const std::vector<double>& b, int arity);

// (sigma(z) / m)^count b(z), taps from z^0 (count >= 0, arity m >= 2): the
// factor of the same mask when only n - count sum rules are divided out.
std::vector<double> restore_sum_rules(const std::vector<double>& b, int count, int arity = 2);

// The binary case, as a pair.
struct SubdivisionMatrixPair {
  Eigen::MatrixXd t0;
  Eigen::MatrixXd t1;
};
SubdivisionMatrixPair subdivision_matrix_pair(const std::vector<double>& b);

}  // namespace curvix
