#pragma once
// Bezier curve of degree N - 1 with the working points as control polygon.

#include "curves/curve_point.h"

// n over k as a double, 0 <= k <= n.
double binomial(int n, int k);

// The curve point at u in [0, 1] of the first m working points.
void bezier_evaluate(CurvePoint* p, double u, int m);

// One GL_LINE_STRIP of CURVE_SEGMENTS + 1 samples over u in [0, 1], y flipped.
void draw_bezier_curve();
