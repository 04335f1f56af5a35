#pragma once
// The two subdivision matrices of a factor b of a mask, as Eigen matrices, and
// the factor with some of the mask's sum rules put back.
//
// With n sum rules a mask factors as a(z) = 2 ((1 + z) / 2)^n b(z). For b with
// taps b_0..b_N (exponents shifted to start at z^0) the matrices of order
// max(N, 1) are
//   (T_e)_ij = 2 b_{e + 2i - j},  e = 0, 1,  i, j = 0..order-1,
// taps outside 0..N being 0 (Rioul 1992; Daubechies and Lagarias 1991). They
// act on the n-th differences of the refined polygons: Delta^n p_(j+1) at
// even and odd positions is T_0 and T_1 applied to a window of 2^(-n)-scaled
// Delta^n p_j, so the joint spectral radius rho of {T_0, T_1} gives the
// Hölder exponent n - log2(rho).

#include <Eigen/Dense>
#include <vector>

namespace curvix {

struct SubdivisionMatrixPair {
  Eigen::MatrixXd t0;
  Eigen::MatrixXd t1;
};

// T_0 and T_1 of b (size >= 1).
SubdivisionMatrixPair subdivision_matrix_pair(const std::vector<double>& b);

// ((1 + z) / 2)^count b(z), taps from z^0 (count >= 0): the factor of the
// same mask when only n - count sum rules are divided out.
std::vector<double> restore_sum_rules(const std::vector<double>& b, int count);

}  // namespace curvix
