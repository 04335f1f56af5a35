#include "app/bezier_drawing.h"

#include "app/app_state.h"
#include "app/planar_buffer.h"
#include "curves/bezier_curve.h"

void draw_bezier_curve() {
  const int n = app.points.count;
  if (!curve_drawable(n)) return;
  curvix::PlanarPoint* samples = curve_sample_buffer();
  curvix::bezier_samples(planar_points(app.points), n, CURVE_SEGMENTS, samples);
  draw_curve_strip(samples, CURVE_SAMPLES);
}
