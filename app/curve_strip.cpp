#include "app/curve_strip.h"

#include <GL/gl.h>

#include <cmath>

#include "app/colours.h"
#include "app/gl_drawing.h"

bool curve_samples_finite(const CurveSamples& samples) {
  for (const CurvePoint& p : samples)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
  return true;
}

void copy_samples(const curvix::PlanarPoint* samples, CurveSamples& out) {
  for (int k = 0; k < CURVE_SAMPLES; ++k)
    out[static_cast<std::size_t>(k)] = CurvePoint{samples[k].x, samples[k].y, 0.0};
}

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
