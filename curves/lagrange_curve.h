#pragma once
// Lagrange interpolating curve of degree N - 1 through the working points at
// their parameter values.

#include "app/point.h"
#include "curves/curve_point.h"
#include "curves/curve_strip.h"
#include "curves/vector_isa.h"

// The curve point at parameter s over the m parameter values u[0..m-1]; the
// points are read from app.points. The sum over i of L_i (x_i, y_i) in
// increasing i, where L_i starts at 1.0 and takes, for j = 0..m-1 skipping i in
// increasing order, L_i = ((s - u_j) / (u_i - u_j)) L_i. Two equal parameter
// values give non-finite results.
void lagrange_evaluate(CurvePoint* p, const double* u, double s, int m);

// The curve of points[0..m-1] at u[0..m-1] sampled over [u_0, u_(m-1)] at the
// parameters curve_sample_parameter(u_0, u_(m-1), k), k = 0..CURVE_SEGMENTS.
// Each sample has the bits of lagrange_evaluate at that parameter: the samples
// run in vector lanes, each lane through the same IEEE operations in the same
// order. `isa` selects the lane width (any available set gives the same result;
// an unavailable one falls back to VECTOR_BASELINE). Returns false and writes
// nothing unless 1 <= m <= MAX_CURVE_POINTS.
bool lagrange_samples(const Point* points, const double* u, int m, CurveSamples& out,
                      VectorIsa isa = widest_vector_isa());

// One GL_LINE_STRIP of CURVE_SEGMENTS + 1 samples over [t_1, t_N], y flipped,
// in CURVE_LINE_COLOUR. No GL call at all outside 1 <= N <= MAX_CURVE_POINTS, nor
// when a sample is not finite (two equal parameter values).
void draw_lagrange_curve();
