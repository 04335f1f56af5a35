#pragma once
// Sampling and drawing shared by the curves that are drawn as one line strip of
// CURVE_SEGMENTS + 1 samples: the guard on the point count, the sample
// buffer, and the strip itself.

#include "app/curve_storage.h"
#include "curves/planar_point.h"

constexpr int CURVE_SAMPLES = CURVE_SEGMENTS + 1;  // vertices of a drawn curve

// True for the point counts a curve is drawn for: 1..MAX_CURVE_POINTS.
inline bool curve_drawable(int n) {
  return n >= 1 && n <= MAX_CURVE_POINTS;
}

// A buffer of CURVE_SAMPLES library samples, reused by every draw.
curvix::PlanarPoint* curve_sample_buffer();

// Sets the colour CURVE_LINE_COLOUR, then emits samples[0 .. count - 1] as one
// GL_LINE_STRIP of glVertex3dv calls (z = 0) with y flipped against
// app.window_height, but only when every sample is finite: a non-finite vertex
// never reaches GL. A curve that cannot be drawn issues no call at all, not
// even its colour, like a curve outside the drawable point counts.
void draw_curve_strip(const curvix::PlanarPoint* samples, int count);
