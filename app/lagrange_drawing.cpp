#include "app/lagrange_drawing.h"

#include "app/app_state.h"
#include "app/planar_buffer.h"
#include "curves/lagrange_curve.h"

void draw_lagrange_curve() {
  const int n = app.points.count;
  if (!curve_drawable(n)) return;
  curvix::PlanarPoint* samples = curve_sample_buffer();
  curvix::lagrange_samples(planar_points(app.points), &app.knots[1], n, CURVE_SEGMENTS, samples);
  draw_curve_strip(samples, CURVE_SAMPLES);
}
