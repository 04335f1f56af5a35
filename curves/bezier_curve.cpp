#include "curves/bezier_curve.h"

#include <array>
#include <cmath>

#include "app/app_state.h"

namespace {

// Bernstein sum of points[0..m-1] at u with binomials[i] = binomial(m - 1, i).
CurvePoint bezier_point(const Point* points, const double* binomials, double u, int m) {
  CurvePoint p;
  for (int i = 0; i < m; ++i) {
    const double g = std::pow(u, static_cast<double>(i)) * binomials[i];
    const double w = std::pow(1.0 - u, (m - 1.0) - i) * g;
    p.x += w * points[i].x;
    p.y += w * points[i].y;
  }
  return p;
}

template <size_t capacity>
void fill_binomials(std::array<double, capacity>& binomials, int m) {
  for (int i = 0; i < m; ++i) binomials[static_cast<size_t>(i)] = binomial(m - 1, i);
}

}  // namespace

void bezier_evaluate(CurvePoint* p, double u, int m) {
  std::array<double, MAX_POINTS> binomials;
  fill_binomials(binomials, m);
  *p = bezier_point(app.points.items.data(), binomials.data(), u, m);
}

bool bezier_samples(const Point* points, int m, CurveSamples& out) {
  if (!curve_drawable(m)) return false;
  std::array<double, MAX_CURVE_POINTS> binomials;
  fill_binomials(binomials, m);
  for (int k = 0; k < CURVE_SAMPLES; ++k) {
    const double u = static_cast<double>(k) / static_cast<double>(CURVE_SEGMENTS);
    out[static_cast<size_t>(k)] = bezier_point(points, binomials.data(), u, m);
  }
  return true;
}

void draw_bezier_curve() {
  CurveSamples samples;
  if (!bezier_samples(app.points.items.data(), app.points.count, samples)) return;
  draw_curve_strip(samples);
}
