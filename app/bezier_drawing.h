#pragma once
// The Bezier curve with the working points as control polygon, as the program
// draws it: the kept weights of the point count (kept_curve_weights.h)
// applied to app.points, the bits of curvix::bezier_samples.

#include "app/curve_strip.h"

// One GL_LINE_STRIP of CURVE_SEGMENTS + 1 samples over u in [0, 1], y flipped,
// in CURVE_LINE_COLOUR. No GL call at all outside 1 <= N <= MAX_CURVE_POINTS, nor
// when a sample is not finite.
void draw_bezier_curve();
