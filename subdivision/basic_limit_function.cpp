#include "subdivision/basic_limit_function.h"

#include <cassert>
#include <cmath>
#include <cstddef>

namespace curvix {

namespace {

int mask_last(const SubdivisionMask& mask) {
  return mask.first + static_cast<int>(mask.taps.size()) - 1;
}

// One cascade level: g[i] = sum_j a[i - m j] f[j], j over f's indices in
// increasing order (scattered j by j, which adds to each g[i] in that order).
LimitSamples cascade_level(const SubdivisionMask& mask, const LimitSamples& f) {
  const int m = mask.arity;
  const int count = static_cast<int>(f.values.size());
  LimitSamples g;
  g.first_index = m * f.first_index + mask.first;
  g.step = f.step / m;
  const int last = m * (f.first_index + count - 1) + mask_last(mask);
  g.values.assign(static_cast<std::size_t>(last - g.first_index + 1), 0.0);
  for (int j = 0; j < count; ++j) {
    const double value = f.values[static_cast<std::size_t>(j)];
    const auto start = static_cast<std::size_t>(m * j);  // a_first's index in g
    for (std::size_t t = 0; t < mask.taps.size(); ++t) g.values[start + t] += mask.taps[t] * value;
  }
  return g;
}

}  // namespace

LimitSamples basic_limit_function(const SubdivisionMask& mask, int levels) {
  assert(levels >= 0 && mask.arity >= 2 && !mask.taps.empty());
  LimitSamples samples{0, 1.0, {1.0}};
  for (int level = 0; level < levels; ++level) samples = cascade_level(mask, samples);
  return samples;
}

double limit_sample_count(const SubdivisionMask& mask, int levels) {
  const double m = mask.arity;
  const double spread = (std::pow(m, levels) - 1.0) / (m - 1.0);
  return (mask_last(mask) - mask.first) * spread + 1.0;
}

std::vector<double> centred_difference(const std::vector<double>& values, double step) {
  const std::size_t n = values.size();
  std::vector<double> derivative(n);
  for (std::size_t i = 0; i < n; ++i) {
    const double before = i > 0 ? values[i - 1] : 0.0;
    const double after = i + 1 < n ? values[i + 1] : 0.0;
    derivative[i] = (after - before) / (2.0 * step);
  }
  return derivative;
}

}  // namespace curvix
