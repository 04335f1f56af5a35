#pragma once
// Gauss-Jordan inversion of a small matrix in fixed storage: the passes of
// gauss_jordan_invert (gauss_jordan_solve.h), element by element in the
// textbook order, on a row-major block the caller owns. Nothing is allocated,
// so a caller that inverts many small systems (one per subdivision stencil)
// spends its time on the arithmetic, and callers on several threads share
// nothing.

namespace curvix {

constexpr int SMALL_SYSTEM_MAX = 100;  // largest order the pivot records hold

// Inverts the n x n matrix whose element (i, j), 0-based, is cells[i * stride
// + j], in place. The same pivot search, exchanges, scaling, elimination and
// column order as gauss_jordan_invert, so on success the inverse has its bits
// and the result is its result; on failure (0: singular or nearly so, or no
// pivot candidate left) the cells hold the passes done so far. Requires
// 0 <= n <= SMALL_SYSTEM_MAX and stride >= n.
int gauss_jordan_invert_small(double* cells, int n, int stride);

}  // namespace curvix
