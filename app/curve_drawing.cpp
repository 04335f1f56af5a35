#include "app/curve_strip.h"

#include <GL/gl.h>

#include <array>

#include "app/gl_drawing.h"
#include "app/library_names.h"
#include "curves/curve_sampling.h"

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
