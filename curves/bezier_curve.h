#pragma once
// Bezier curve of degree N - 1 with the working points as control polygon.

#include "app/point.h"
#include "curves/binomial.h"
#include "curves/curve_point.h"
#include "curves/curve_strip.h"

// The curve point at u in [0, 1] of the first m working points (m <= MAX_POINTS):
// the sum over i = 0..m-1 in increasing order of w_i (x_i, y_i), where
// w_i = (1 - u)^(m - 1 - i) (u^i binomial(m - 1, i)), powers from std::pow with
// the exponents as doubles (so 0^0 = 1), rounded in that order.
void bezier_evaluate(CurvePoint* p, double u, int m);

// The curve of the control points points[0..m-1] at u = k / CURVE_SEGMENTS,
// k = 0..CURVE_SEGMENTS. Each sample has the bits of bezier_evaluate at that u;
// the m binomial coefficients are formed once instead of once per sample.
// Returns false and writes nothing unless 1 <= m <= MAX_CURVE_POINTS.
bool bezier_samples(const Point* points, int m, CurveSamples& out);

// One GL_LINE_STRIP of CURVE_SEGMENTS + 1 samples over u in [0, 1], y flipped,
// in CURVE_LINE_COLOUR. No GL call at all outside 1 <= N <= MAX_CURVE_POINTS, nor
// when a sample is not finite.
void draw_bezier_curve();
