#pragma once
// Norms of the 1-based dense matrices.

#include "linalg/matrix.h"

namespace curvix {

// The induced 1-norm of the n x n matrix a: the largest column sum of |a[i][j]|.
// With the same norm of the inverse it gives the condition number
// ||a||_1 ||a^-1||_1, the factor by which the system can magnify relative
// errors of its data: above 1e12 about 12 of a double's 16 digits are at risk.
double norm_1(const Matrix& a, int n);

constexpr int NORM_CELLS_MAX = 100;  // largest order of a matrix in cells (the stencil systems)

// The same norm, summed in the same order, of the n x n matrix whose element
// (i, j), 0-based, is cells[i * stride + j]; n <= NORM_CELLS_MAX.
double norm_1(const double* cells, int n, int stride);

}  // namespace curvix
