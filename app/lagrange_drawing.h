#pragma once
// The Lagrange curve of the working points at their parameter values, as the
// program evaluates and draws it.

#include "app/curve_point.h"
#include "app/curve_strip.h"
#include "app/point.h"
#include "curves/vector_isa.h"

// The curve point at parameter s over the m parameter values u[0..m-1] through
// the first m working points: curvix::lagrange_point of app.points.
void lagrange_evaluate(CurvePoint* p, const double* u, double s, int m);

// The curve of points[0..m-1] at u[0..m-1] sampled at CURVE_SEGMENTS + 1
// parameters, the bits of curvix::lagrange_samples with CURVE_SEGMENTS segments
// on `isa`. Returns false and writes nothing unless 1 <= m <= MAX_CURVE_POINTS.
bool lagrange_samples(const Point* points, const double* u, int m, CurveSamples& out,
                      VectorIsa isa = widest_vector_isa());

// One GL_LINE_STRIP of CURVE_SEGMENTS + 1 samples over [t_1, t_N], y flipped,
// in CURVE_LINE_COLOUR. No GL call at all outside 1 <= N <= MAX_CURVE_POINTS, nor
// when a sample is not finite (two equal parameter values).
void draw_lagrange_curve();
