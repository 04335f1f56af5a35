#pragma once
// Gauss-Jordan elimination with full pivoting (after the classic in-place
// formulation: Numerical Recipes, section 2.1).

#include "linalg/matrix.h"

namespace curvix {

constexpr double PIVOT_TOLERANCE = 1e-20;  // smallest pivot magnitude accepted, inclusive

// Inverts the n x n matrix a in place and solves for the m right-hand-side
// columns of the n x m matrix b in the same passes. Returns 1 on success: a holds
// the inverse, b the inverse times the b passed in. Returns 0 when the matrix
// is singular or nearly so (a pivot below PIVOT_TOLERANCE) or when a pass finds
// no pivot candidate at all (every remaining element NaN): a and b are then left
// as the passes done so far made them.
//
// Pivot search: rows, then columns, in increasing order over the rows and
// columns without a pivot yet; an element wins when its magnitude is >= the
// largest so far, so among equal magnitudes the last one visited wins.
int gauss_jordan_solve(Matrix& a, int n, Matrix& b, int m);

// The inverse alone: the same passes, and bit for bit the same a and result, as
// gauss_jordan_solve(a, n, b, m) with any b, without the work on b.
int gauss_jordan_invert(Matrix& a, int n);

}  // namespace curvix
