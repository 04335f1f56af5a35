#pragma once
// Lagrange interpolating curve of degree N - 1 through the working points at
// their parameter values.

#include "curves/curve_point.h"

// The curve point at parameter s over the m parameter values u[0..m-1]; the
// points are read from app.points.
void lagrange_evaluate(CurvePoint* p, const double* u, double s, int m);

// One GL_LINE_STRIP of CURVE_SEGMENTS + 1 samples over [t_1, t_N], y flipped.
void draw_lagrange_curve();
