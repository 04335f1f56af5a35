#include "smoothness/named_masks.h"

#include <cassert>
#include <cstddef>

namespace curvix {

ExactMask bspline_mask(int degree) {
  assert(degree >= MIN_BSPLINE_DEGREE && degree <= MAX_BSPLINE_DEGREE);
  std::vector<Rational> taps(static_cast<std::size_t>(degree) + 2);
  const mpz_class denominator = mpz_class(1) << degree;
  for (int k = 0; k <= degree + 1; ++k) {
    mpz_class binomial;
    mpz_bin_uiui(binomial.get_mpz_t(), static_cast<unsigned long>(degree) + 1,
                 static_cast<unsigned long>(k));
    taps[static_cast<std::size_t>(k)] = Rational(binomial, denominator);
    taps[static_cast<std::size_t>(k)].canonicalize();
  }
  return aligned_mask(taps, 2);
}

ExactMask chaikin_mask() {
  return aligned_mask({Rational(1, 4), Rational(3, 4), Rational(3, 4), Rational(1, 4)}, 2);
}

ExactMask dual4_mask() {
  const int numerators[] = {-5, -7, 35, 105, 105, 35, -7, -5};
  std::vector<Rational> taps;
  for (const int a : numerators) taps.push_back(Rational(a, 128));
  for (Rational& tap : taps) tap.canonicalize();
  return aligned_mask(taps, 2);
}

ExactMask ternary4_mask(const Rational& mu) {
  const Rational a0 = Rational(-1, 18) - mu / 6;
  const Rational a1 = Rational(13, 18) + mu / 2;
  const Rational a2 = Rational(7, 18) - mu / 2;
  const Rational a3 = Rational(-1, 18) + mu / 6;
  // Indices -5..5: p[3i + 1] takes a[4] p[i - 1] + a[1] p[i] + a[-2] p[i + 1] + a[-5] p[i + 2].
  return aligned_mask({a3, a0, 0, a2, a1, 1, a1, a2, 0, a0, a3}, 3);
}

ExactMask interpolatory_exact_mask(const std::vector<double>& weights) {
  assert(!weights.empty() && weights.size() % 2 == 0);
  const int half = static_cast<int>(weights.size()) / 2;
  // Taps at 1 - 2L .. 2L - 1: the centre 1, weight w_k at 2L + 1 - 2k.
  std::vector<Rational> taps(static_cast<std::size_t>(4 * half - 1), Rational(0));
  taps[static_cast<std::size_t>(2 * half - 1)] = 1;
  for (int k = 1; k <= 2 * half; ++k)
    taps[static_cast<std::size_t>(4 * half - 2 * k)] =
        Rational(weights[static_cast<std::size_t>(k - 1)]);
  return aligned_mask(taps, 2);
}

}  // namespace curvix
