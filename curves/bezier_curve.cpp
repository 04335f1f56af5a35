#include "curves/bezier_curve.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace curvix {

namespace {

// The weight of control point i (of m) at u, with b = binomial(m - 1, i).
double bernstein_weight(double b, double u, int i, int m) {
  const double g = std::pow(u, static_cast<double>(i)) * b;
  return std::pow(1.0 - u, (m - 1.0) - i) * g;
}

// Bernstein sum of points[0..m-1] at u with binomials[i] = binomial(m - 1, i).
PlanarPoint bernstein_sum(const PlanarPoint* points, const double* binomials, double u, int m) {
  PlanarPoint p;
  for (int i = 0; i < m; ++i) {
    const double w = bernstein_weight(binomials[i], u, i, m);
    p.x += w * points[i].x;
    p.y += w * points[i].y;
  }
  return p;
}

double sample_u(int k, int segments) {
  return static_cast<double>(k) / static_cast<double>(segments);
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
  for (int k = 0; k <= segments; ++k)
    out[k] = bernstein_sum(points, binomials.data(), sample_u(k, segments), m);
  return true;
}

bool bezier_weights(int m, int segments, WeightTable& table) {
  if (m < 1 || segments < 1) return false;
  shape_weight_table(table, m, segments + 1);
  const std::vector<double> binomials = binomials_of_degree(m);
  for (int k = 0; k <= segments; ++k) {
    const double u = sample_u(k, segments);
    for (int i = 0; i < m; ++i)
      weight_row(table, i)[k] = bernstein_weight(binomials[static_cast<std::size_t>(i)], u, i, m);
  }
  return true;
}

}  // namespace curvix
