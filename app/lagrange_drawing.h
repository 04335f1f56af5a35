#pragma once
// The Lagrange curve of the working points at their parameter values, as the
// program draws it: the kept weights of app.knots (kept_curve_weights.h)
// applied to app.points, the bits of curvix::lagrange_samples.

#include "app/curve_strip.h"

// One GL_LINE_STRIP of CURVE_SEGMENTS + 1 samples over [t_1, t_N], y flipped,
// in CURVE_LINE_COLOUR. No GL call at all outside 1 <= N <= MAX_CURVE_POINTS, nor
// when a sample is not finite (two equal parameter values).
void draw_lagrange_curve();
