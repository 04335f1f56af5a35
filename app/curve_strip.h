#pragma once
// Sampling and drawing shared by the curves that are drawn as one line strip of
// CURVE_SEGMENTS + 1 samples: the guard on the point count, the sample
// parameters, and the strip itself.

#include <array>

#include "app/curve_point.h"
#include "curves/curve_sampling.h"
#include "curves/planar_point.h"

constexpr int CURVE_SAMPLES = CURVE_SEGMENTS + 1;  // vertices of a drawn curve

// The samples of one curve in stored coordinates (y downward), in drawing order.
using CurveSamples = std::array<CurvePoint, CURVE_SAMPLES>;

// True for the point counts a curve is drawn for: 1..MAX_CURVE_POINTS.
inline bool curve_drawable(int n) {
  return n >= 1 && n <= MAX_CURVE_POINTS;
}

// Parameter of sample k (0..CURVE_SEGMENTS) of a curve drawn over [first, last]:
// the library's sample parameter with CURVE_SEGMENTS segments.
inline double curve_sample_parameter(double first, double last, int k) {
  return curvix::curve_sample_parameter(first, last, k, CURVE_SEGMENTS);
}

// True when the x and y of every sample are finite.
bool curve_samples_finite(const CurveSamples& samples);

// samples[0 .. CURVE_SAMPLES - 1] as CurvePoints (z = 0).
void copy_samples(const curvix::PlanarPoint* samples, CurveSamples& out);

// A buffer of CURVE_SAMPLES library samples, reused by every draw.
curvix::PlanarPoint* curve_sample_buffer();

// Sets the colour CURVE_LINE_COLOUR, then emits samples[0 .. count - 1] as one
// GL_LINE_STRIP of glVertex3dv calls (z = 0) with y flipped against
// app.window_height, but only when every sample is finite: a non-finite vertex
// never reaches GL. A curve that cannot be drawn issues no call at all, not
// even its colour, like a curve outside the drawable point counts.
void draw_curve_strip(const curvix::PlanarPoint* samples, int count);
