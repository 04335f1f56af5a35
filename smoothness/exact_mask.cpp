#include "smoothness/exact_mask.h"

#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace curvix {

namespace {

std::size_t at(int i) {
  return static_cast<std::size_t>(i);
}

// c(z) / sigma(z) for sigma = 1 + z + ... + z^(m-1); false, q untouched,
// when the division leaves a remainder or c is shorter than sigma.
bool divide_by_sigma(const std::vector<Rational>& c, int m, std::vector<Rational>& q) {
  const int size = static_cast<int>(c.size()) - (m - 1);
  if (size < 1) return false;
  std::vector<Rational> quotient(at(size));
  const auto folded = [&](int k) {  // sum of q_(k-e), e = 1..m-1, over the quotient's range
    Rational sum = 0;
    for (int e = 1; e < m; ++e)
      if (k - e >= 0 && k - e < size) sum += quotient[at(k - e)];
    return sum;
  };
  for (int k = 0; k < size; ++k) quotient[at(k)] = c[at(k)] - folded(k);
  for (int k = size; k < static_cast<int>(c.size()); ++k)
    if (c[at(k)] != folded(k)) return false;
  q.swap(quotient);
  return true;
}

// The taps without the zeros at both ends, and the index of the first kept.
std::vector<Rational> trimmed(const ExactMask& mask, int& first) {
  std::size_t begin = 0;
  std::size_t end = mask.taps.size();
  while (begin < end && mask.taps[begin] == 0) ++begin;
  while (end > begin && mask.taps[end - 1] == 0) --end;
  first = mask.first + static_cast<int>(begin);
  return std::vector<Rational>(mask.taps.begin() + static_cast<std::ptrdiff_t>(begin),
                               mask.taps.begin() + static_cast<std::ptrdiff_t>(end));
}

int count_sum_rules(const ExactMask& mask) {
  int first = 0;
  std::vector<Rational> c = trimmed(mask, first);
  int n = 0;
  while (divide_by_sigma(c, mask.arity, c)) ++n;
  return n;
}

Rational power(const Rational& x, int q) {
  Rational result = 1;
  for (int i = 0; i < q; ++i) result *= x;
  return result;
}

// Whether sum over l = r (mod m) of a_l (l - c)^q = [q = 0] for every residue r.
bool reproduces(const ExactMask& mask, const Rational& c, int q) {
  const int m = mask.arity;
  for (int r = 0; r < m; ++r) {
    Rational moment = q == 0 ? -1 : 0;
    for (int i = 0; i < static_cast<int>(mask.taps.size()); ++i) {
      const int l = mask.first + i;
      if (((l % m) + m) % m == r) moment += mask.taps[at(i)] * power(Rational(l) - c, q);
    }
    if (moment != 0) return false;
  }
  return true;
}

}  // namespace

ExactMask aligned_mask(const std::vector<Rational>& taps, int arity) {
  ExactMask mask;
  mask.taps = taps;
  // GMP compares and divides correctly only in lowest terms; a caller's 3/6 is 1/2.
  for (Rational& tap : mask.taps) tap.canonicalize();
  mask.arity = arity;
  const int k = static_cast<int>(taps.size()) - 1;
  mask.first = k % 2 == 0 ? -k / 2 : -(k + 1) / 2;
  return mask;
}

MaskProblem mask_problem(const ExactMask& mask) {
  if (mask.taps.empty()) return MaskProblem::EMPTY;
  if (mask.arity < MIN_ARITY || mask.arity > MAX_ARITY) return MaskProblem::ARITY;
  if (static_cast<int>(mask.taps.size()) > MAX_MASK_TAPS) return MaskProblem::TOO_LONG;
  Rational sum = 0;
  bool zero = true;
  for (const Rational& tap : mask.taps) {
    sum += tap;
    zero = zero && tap == 0;
  }
  if (zero) return MaskProblem::ALL_ZERO;
  if (sum != mask.arity) return MaskProblem::SUM_NOT_ARITY;
  if (count_sum_rules(mask) == 0) return MaskProblem::NO_SUM_RULE;
  return MaskProblem::NONE;
}

MaskMoments mask_moments(const ExactMask& mask) {
  assert(mask_problem(mask) == MaskProblem::NONE);
  MaskMoments moments;
  moments.sum_rules = count_sum_rules(mask);
  moments.generation_degree = moments.sum_rules - 1;
  Rational derivative = 0;  // a'(1)
  for (int i = 0; i < static_cast<int>(mask.taps.size()); ++i)
    derivative += mask.taps[at(i)] * (mask.first + i);
  const Rational c = derivative / mask.arity;
  moments.tau = c / (mask.arity - 1);
  while (moments.reproduction_degree < moments.generation_degree &&
         reproduces(mask, c, moments.reproduction_degree + 1))
    ++moments.reproduction_degree;
  int first = 0;
  const std::vector<Rational> kept = trimmed(mask, first);
  moments.support_begin = Rational(first, mask.arity - 1);
  moments.support_end = Rational(first + static_cast<int>(kept.size()) - 1, mask.arity - 1);
  moments.support_begin.canonicalize();
  moments.support_end.canonicalize();
  return moments;
}

std::vector<Rational> regularity_factor(const ExactMask& mask, int n) {
  int first = 0;
  std::vector<Rational> b = trimmed(mask, first);
  for (int i = 0; i < n; ++i) {
    const bool divided = divide_by_sigma(b, mask.arity, b);
    assert(divided && "n is at most the mask's sum rules");
    static_cast<void>(divided);
  }
  Rational scale = 1;
  for (int i = 1; i < n; ++i) scale *= mask.arity;
  for (Rational& tap : b) tap *= scale;
  return b;
}

double nearest_double(const Rational& q) {
  const double toward_zero = q.get_d();  // GMP truncates
  if (Rational(toward_zero) == q || !std::isfinite(toward_zero)) return toward_zero;
  const double away = std::nextafter(toward_zero, q > 0 ? HUGE_VAL : -HUGE_VAL);
  const Rational below = abs(q - Rational(toward_zero));
  const Rational above = abs(Rational(away) - q);
  if (below != above) return below < above ? toward_zero : away;
  // A tie: the one with an even last bit of the mantissa.
  std::uint64_t bits = 0;
  std::memcpy(&bits, &toward_zero, sizeof bits);
  return (bits & 1u) == 0 ? toward_zero : away;
}

std::vector<double> mask_doubles(const std::vector<Rational>& taps) {
  std::vector<double> values;
  values.reserve(taps.size());
  for (const Rational& tap : taps) values.push_back(nearest_double(tap));
  return values;
}

}  // namespace curvix
