#include "curves/curve_strip.h"

#include <GL/gl.h>

#include <cmath>

#include "app/colours.h"
#include "app/gl_drawing.h"

bool curve_samples_finite(const CurveSamples& samples) {
  for (const CurvePoint& p : samples)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
  return true;
}

void draw_curve_strip(const CurveSamples& samples) {
  if (!curve_samples_finite(samples)) return;
  set_colour(CURVE_LINE_COLOUR);
  glBegin(GL_LINE_STRIP);
  for (const CurvePoint& p : samples) {
    const std::array<double, 3> vertex{p.x, flipped_y(p.y), p.z};
    glVertex3dv(vertex.data());
  }
  glEnd();
}
