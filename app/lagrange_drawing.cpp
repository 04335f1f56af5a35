#include "app/lagrange_drawing.h"

#include "app/app_state.h"
#include "app/kept_curve_weights.h"
#include "app/planar_buffer.h"

void draw_lagrange_curve() {
  const int n = app.points.count;
  if (!curve_drawable(n)) return;
  curvix::PlanarPoint* samples = curve_sample_buffer();
  curvix::apply_weight_table(kept_lagrange_weights(&app.knots[1], n), planar_points(app.points),
                             samples);
  draw_curve_strip(samples, CURVE_SAMPLES);
}
