#include "app/lagrange_drawing.h"

#include "app/app_state.h"
#include "app/planar_buffer.h"
#include "curves/lagrange_curve.h"

void lagrange_evaluate(CurvePoint* p, const double* u, double s, int m) {
  const curvix::PlanarPoint q =
      curvix::lagrange_point(planar_points(app.points.items.data(), m), u, m, s);
  *p = CurvePoint{q.x, q.y, 0.0};
}

bool lagrange_samples(const Point* points, const double* u, int m, CurveSamples& out,
                      VectorIsa isa) {
  if (!curve_drawable(m)) return false;
  curvix::PlanarPoint* samples = curve_sample_buffer();
  curvix::lagrange_samples(planar_points(points, m), u, m, CURVE_SEGMENTS, samples, isa);
  copy_samples(samples, out);
  return true;
}

void draw_lagrange_curve() {
  const int n = app.points.count;
  if (!curve_drawable(n)) return;
  curvix::PlanarPoint* samples = curve_sample_buffer();
  curvix::lagrange_samples(planar_points(app.points), &app.knots[1], n, CURVE_SEGMENTS, samples);
  draw_curve_strip(samples, CURVE_SAMPLES);
}
