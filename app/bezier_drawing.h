#pragma once
// The Bezier curve with the working points as control polygon, as the program
// evaluates and draws it.

#include "app/curve_point.h"
#include "app/curve_strip.h"
#include "app/point.h"

// The curve point at u in [0, 1] of the first m working points (m <= MAX_POINTS):
// curvix::bezier_point of app.points.
void bezier_evaluate(CurvePoint* p, double u, int m);

// The curve of the control points points[0..m-1] at u = k / CURVE_SEGMENTS,
// k = 0..CURVE_SEGMENTS: the bits of curvix::bezier_samples with CURVE_SEGMENTS
// segments. Returns false and writes nothing unless 1 <= m <= MAX_CURVE_POINTS.
bool bezier_samples(const Point* points, int m, CurveSamples& out);

// One GL_LINE_STRIP of CURVE_SEGMENTS + 1 samples over u in [0, 1], y flipped,
// in CURVE_LINE_COLOUR. No GL call at all outside 1 <= N <= MAX_CURVE_POINTS, nor
// when a sample is not finite.
void draw_bezier_curve();
