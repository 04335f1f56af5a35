#include "subdivision/closed_stencil.h"

#include <cstddef>

int closed_index(int j, int n) {
  const int m = j % n;
  return m < 0 ? m + n : m;
}

int closed_period(int j, int n) {
  return (j - closed_index(j, n)) / n;
}

double continued_parameter(int j, int n, const ParameterValues& t, double h) {
  double value = t[static_cast<std::size_t>(closed_index(j, n) + 1)];
  const double last = t[static_cast<std::size_t>(n)];
  for (int period = closed_period(j, n); period < 0; ++period) value = (value - last) - h;
  for (int period = closed_period(j, n); period > 0; --period) value = (h + last) + value;
  return value;
}
