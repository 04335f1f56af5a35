#include "app/rbf_curve_drawing.h"

#include "app/app_settings.h"
#include "app/app_state.h"
#include "app/planar_buffer.h"
#include "curves/rbf_curve.h"

namespace {

// Whether the K = N + pd + 1 coefficients of the current state fit the table.
bool fits_table(int count, int pd) {
  return pd >= 0 && pd <= MAX_POINTS - 1 - count;
}

}  // namespace

void rbf_solve() {
  const int count = app.points.count;
  if (count > MAX_CURVE_POINTS) return;
  if (!fits_table(count, app.pd)) {
    app.rbf_coefficients_valid = false;
    return;
  }
  app.rbf_coefficients_valid = curvix::rbf_solve(app_rbf_settings(), planar_points(app.points),
                                                 &app.knots[1], count, app.rbf_coefficients.data());
}

void draw_rbf_curve() {
  // The degree can change without a solve while there are too many points for
  // one; the evaluation must still stay inside the table.
  const int count = app.points.count;
  if (!curve_drawable(count) || !app.rbf_coefficients_valid || !fits_table(count, app.pd)) return;
  curvix::PlanarPoint* samples = curve_sample_buffer();
  curvix::rbf_samples(app_rbf_settings(), app.rbf_coefficients.data(), &app.knots[1], count,
                      CURVE_SEGMENTS, samples);
  draw_curve_strip(samples, CURVE_SAMPLES);
}
