#pragma once
// Gauss-Jordan elimination with full pivoting (after the classic in-place
// formulation: Numerical Recipes, section 2.1).

#include "linalg/matrix.h"

constexpr double PIVOT_TOLERANCE = 1e-20;  // smallest pivot magnitude accepted

// Inverts the n x n matrix a in place and solves for the m right-hand-side
// columns of the n x m matrix b in the same passes. Returns 1 on success: a holds
// the inverse, b the inverse times the b passed in. Returns 0 when the matrix
// is singular or nearly so (a pivot below PIVOT_TOLERANCE, NaN included): a and
// b are then left partly reduced.
int gauss_jordan_solve(Matrix& a, int n, Matrix& b, int m);
