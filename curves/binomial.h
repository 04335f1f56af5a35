#pragma once
// Binomial coefficients as doubles, for the Bezier weights.

// n over k, 0 <= k <= n. 1.0 for k = 0 and k = n. Otherwise the classical
// order: the product n (n - 1) ... (k + 1) formed in full, then divided by
// n - k, n - k - 1, ..., 1, each step rounded to double. That is exact up to
// n = 22 and fixes the rounding beyond (binomial(169, 1) = 168.99999999999991).
//
// Where that product overflows (from n = 171 on, for small k), the result is
// the same computation for n over n - k, whose product stays in range up to
// n = 269; so binomial(n, k) == binomial(n, n - k) there exactly, and every
// Bezier curve of up to 270 points has finite binomial factors.
// Where both overflow (from n = 270 on), the coefficient is built up as
// C(n, j) = (C(n, j - 1) (n - j + 1)) / j for j up to min(k, n - k), whose
// intermediates stay within j times the result.
namespace curvix {

double binomial(int n, int k);

}  // namespace curvix
