#include "app/bezier_drawing.h"

#include "app/app_state.h"
#include "app/planar_buffer.h"
#include "curves/bezier_curve.h"

void bezier_evaluate(CurvePoint* p, double u, int m) {
  const curvix::PlanarPoint q =
      curvix::bezier_point(planar_points(app.points.items.data(), m), m, u);
  *p = CurvePoint{q.x, q.y, 0.0};
}

bool bezier_samples(const Point* points, int m, CurveSamples& out) {
  if (!curve_drawable(m)) return false;
  curvix::PlanarPoint* samples = curve_sample_buffer();
  curvix::bezier_samples(planar_points(points, m), m, CURVE_SEGMENTS, samples);
  copy_samples(samples, out);
  return true;
}

void draw_bezier_curve() {
  const int n = app.points.count;
  if (!curve_drawable(n)) return;
  curvix::PlanarPoint* samples = curve_sample_buffer();
  curvix::bezier_samples(planar_points(app.points), n, CURVE_SEGMENTS, samples);
  draw_curve_strip(samples, CURVE_SAMPLES);
}
