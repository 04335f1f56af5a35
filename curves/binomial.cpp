#include "curves/binomial.h"

#include <algorithm>
#include <cmath>

namespace curvix {

namespace {

// n! / k! in full, then divided by (n - k)!, one rounding per step. Infinite
// when the product overflows.
double product_then_quotient(int n, int k) {
  double v = 1.0;
  for (int f = n; f > k; --f) v = static_cast<double>(f) * v;
  for (int f = n - k; f >= 1; --f) v = v / static_cast<double>(f);
  return v;
}

// C(n, j) = C(n, j - 1) (n - j + 1) / j from C(n, 0) = 1, over the smaller of k
// and n - k: every intermediate is at most the result times n.
double multiply_and_divide(int n, int k) {
  const int steps = std::min(k, n - k);
  double v = 1.0;
  for (int j = 1; j <= steps; ++j)
    v = (v * static_cast<double>(n - j + 1)) / static_cast<double>(j);
  return v;
}

}  // namespace

double binomial(int n, int k) {
  if (k == 0 || k == n) return 1.0;
  const double v = product_then_quotient(n, k);
  if (std::isfinite(v)) return v;
  const double mirrored = product_then_quotient(n, n - k);
  if (std::isfinite(mirrored)) return mirrored;
  return multiply_and_divide(n, k);
}

}  // namespace curvix
