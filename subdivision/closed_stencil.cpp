#include "subdivision/closed_stencil.h"

namespace curvix {

int closed_index(int j, int n) {
  const int m = j % n;
  return m < 0 ? m + n : m;
}

int closed_period(int j, int n) {
  return (j - closed_index(j, n)) / n;
}

double continued_parameter(int j, int n, const double* t, double h) {
  double value = t[closed_index(j, n)];
  const double last = t[n - 1];
  for (int period = closed_period(j, n); period < 0; ++period) value = (value - last) - h;
  for (int period = closed_period(j, n); period > 0; --period) value = (h + last) + value;
  return value;
}

void gather_closed_stencil(const PlanarPoint* points, const double* t, int n, double h, int i,
                           int s, PlanarPoint* gathered_points, double* gathered_params) {
  const int lo = i - (s / 2 - 1);
  for (int m = 0; m < s; ++m) {
    const int j = lo + m;
    gathered_points[m] = points[closed_index(j, n)];
    if (gathered_params != nullptr) gathered_params[m] = continued_parameter(j, n, t, h);
  }
}

}  // namespace curvix
