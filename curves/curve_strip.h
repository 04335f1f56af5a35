#pragma once
// Sampling and drawing shared by the curves that are drawn as one line strip of
// CURVE_SEGMENTS + 1 samples: the guard on the point count, the sample
// parameters, and the strip itself.

#include <array>

#include "curves/curve_point.h"

constexpr int CURVE_SAMPLES = CURVE_SEGMENTS + 1;  // vertices of a drawn curve

// The samples of one curve in stored coordinates (y downward), in drawing order.
using CurveSamples = std::array<CurvePoint, CURVE_SAMPLES>;

// True for the point counts a curve is drawn for: 1..MAX_CURVE_POINTS.
inline bool curve_drawable(int n) {
  return n >= 1 && n <= MAX_CURVE_POINTS;
}

// Parameter of sample k (0..CURVE_SEGMENTS) of a curve drawn over [first, last]:
// first + ((last - first) k) / CURVE_SEGMENTS, rounded in this order. Sample 0 is
// first exactly; sample CURVE_SEGMENTS is last up to rounding.
inline double curve_sample_parameter(double first, double last, int k) {
  return first + ((last - first) * static_cast<double>(k)) / static_cast<double>(CURVE_SEGMENTS);
}

// True when the x and y of every sample are finite.
bool curve_samples_finite(const CurveSamples& samples);

// Sets the colour CURVE_LINE_COLOUR, then emits the samples as one GL_LINE_STRIP
// of glVertex3dv calls with y flipped against app.window_height, but only when
// every sample is finite: a non-finite vertex never reaches GL. A curve that
// cannot be drawn issues no call at all, not even its colour, like a curve
// outside the drawable point counts.
void draw_curve_strip(const CurveSamples& samples);
