#pragma once
// The Bezier curve with the working points as control polygon, as the program
// draws it: curvix::bezier_samples of app.points.

#include "app/curve_strip.h"

// One GL_LINE_STRIP of CURVE_SEGMENTS + 1 samples over u in [0, 1], y flipped,
// in CURVE_LINE_COLOUR. No GL call at all outside 1 <= N <= MAX_CURVE_POINTS, nor
// when a sample is not finite.
void draw_bezier_curve();
