#pragma once
// The spectral radius of a small dense matrix, for the regularity analysis.

#include <Eigen/Core>

namespace curvix {

// rho(x), the largest modulus of an eigenvalue, by Gelfand's formula
// rho = lim ||x^k||^(1/k) along k = 2^s: the matrix is squared SPECTRAL_SQUARINGS
// times, rescaled each time by its largest entry so nothing overflows, and the
// logarithms of the scales are summed with weights 2^-s. Being a norm limit it
// needs no eigenvector, so complex pairs, equal moduli and Jordan blocks take
// no special care; after 2^64 powers the bias of a Jordan block of order m,
// about (m log k + log cond) / k, is far below rounding. Relative accuracy is a
// few n * eps. Returns 0 for a nilpotent matrix whose powers vanish exactly.
// Requires a square x. Cost: SPECTRAL_SQUARINGS products of order n.
double spectral_radius(Eigen::MatrixXd x);

constexpr int SPECTRAL_SQUARINGS = 64;  // k = 2^64: the power bias is below rounding

}  // namespace curvix
