#include "app/curve_drawing.h"

#include <GL/gl.h>

#include <array>

#include "app/kept_tables.h"
#include "app/scene.h"
#include "curves/curve_sampling.h"
#include "curves/rbf_curve.h"

namespace {

// Whether the K = N + pd + 1 coefficients of the current state fit the table.
bool fits_table(int count, int pd) {
  return pd >= 0 && pd <= MAX_POINTS - 1 - count;
}

// The first `count` coefficients as the values of a weight table.
const curvix::PlanarPoint* coefficient_values(int count) {
  static std::array<curvix::PlanarPoint, MAX_POINTS> values;
  for (int k = 0; k < count; ++k) {
    const RbfCoefficient& c = app.rbf_coefficients[static_cast<std::size_t>(k)];
    values[static_cast<std::size_t>(k)] = curvix::PlanarPoint{c.x, c.y};
  }
  return values.data();
}

// The kept weights applied to `values`, drawn as the curve's strip.
void draw_weighted(const curvix::WeightTable& weights, const curvix::PlanarPoint* values) {
  curvix::PlanarPoint* samples = curve_sample_buffer();
  curvix::apply_weight_table(weights, values, samples);
  draw_curve_strip(samples, CURVE_SAMPLES);
}

}  // namespace

curvix::PlanarPoint* curve_sample_buffer() {
  static std::array<curvix::PlanarPoint, CURVE_SAMPLES> samples;
  return samples.data();
}

void draw_curve_strip(const curvix::PlanarPoint* samples, int count) {
  if (!curvix::samples_finite(samples, count)) return;
  set_colour(CURVE_LINE_COLOUR);
  glBegin(GL_LINE_STRIP);
  for (int k = 0; k < count; ++k) {
    const std::array<double, 3> vertex{samples[k].x, flipped_y(samples[k].y), 0.0};
    glVertex3dv(vertex.data());
  }
  glEnd();
}

void draw_lagrange_curve() {
  const int n = app.points.count;
  if (!curve_drawable(n)) return;
  draw_weighted(kept_lagrange_weights(&app.knots[1], n), planar_points(app.points));
}

void draw_bezier_curve() {
  const int n = app.points.count;
  if (!curve_drawable(n)) return;
  draw_weighted(kept_bezier_weights(n), planar_points(app.points));
}

// The inverse is kept between solves (kept_tables.h): a solve whose parameter
// values, count and settings are those of the last one only forms the sums
// over the points, with the bits of a solve from scratch.
void rbf_solve() {
  const int count = app.points.count;
  if (count > MAX_CURVE_POINTS) return;
  if (!fits_table(count, app.pd)) {
    app.rbf_coefficients_valid = false;
    return;
  }
  const curvix::WeightTable* inverse = kept_rbf_inverse(app_rbf_settings(), &app.knots[1], count);
  app.rbf_coefficients_valid = inverse != nullptr;
  if (inverse != nullptr)
    curvix::rbf_coefficients_from_columns(*inverse, planar_points(app.points),
                                          app.rbf_coefficients.data());
}

void draw_rbf_curve() {
  // The degree can change without a solve while there are too many points for
  // one; the evaluation must still stay inside the table.
  const int count = app.points.count;
  if (!curve_drawable(count) || !app.rbf_coefficients_valid || !fits_table(count, app.pd)) return;
  const curvix::WeightTable& weights =
      kept_rbf_curve_weights(app_rbf_settings(), &app.knots[1], count);
  draw_weighted(weights, coefficient_values(weights.terms));
}
