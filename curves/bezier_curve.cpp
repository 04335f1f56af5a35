#include "curves/bezier_curve.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace curvix {

namespace {

// Bernstein sum of points[0..m-1] at u with binomials[i] = binomial(m - 1, i).
PlanarPoint bernstein_sum(const PlanarPoint* points, const double* binomials, double u, int m) {
  PlanarPoint p;
  for (int i = 0; i < m; ++i) {
    const double g = std::pow(u, static_cast<double>(i)) * binomials[i];
    const double w = std::pow(1.0 - u, (m - 1.0) - i) * g;
    p.x += w * points[i].x;
    p.y += w * points[i].y;
  }
  return p;
}

std::vector<double> binomials_of_degree(int m) {
  std::vector<double> binomials(static_cast<std::size_t>(m));
  for (int i = 0; i < m; ++i) binomials[static_cast<std::size_t>(i)] = binomial(m - 1, i);
  return binomials;
}

}  // namespace

PlanarPoint bezier_evaluate(const PlanarPoint* points, int m, double u) {
  if (m < 1) return PlanarPoint{};
  return bernstein_sum(points, binomials_of_degree(m).data(), u, m);
}

bool bezier_samples(const PlanarPoint* points, int m, int segments, PlanarPoint* out) {
  if (m < 1 || segments < 1) return false;
  const std::vector<double> binomials = binomials_of_degree(m);
  for (int k = 0; k <= segments; ++k) {
    const double u = static_cast<double>(k) / static_cast<double>(segments);
    out[k] = bernstein_sum(points, binomials.data(), u, m);
  }
  return true;
}

}  // namespace curvix
