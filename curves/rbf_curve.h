#pragma once
// RBF interpolation curve: a polynomial of degree app.pd plus translates of the
// basis function centred at the parameter values, through every working point.

#include "curves/curve_point.h"

// Rebuilds app.rbf_coefficients from the working points, their parameter values,
// pd, r, c and basis. Does nothing when there are more than MAX_CURVE_POINTS points.
void rbf_solve();

// Evaluates the interpolant held in app.rbf_coefficients at parameter s, with the
// m centres u[0..m-1]. Reads pd, r and the basis; writes only *p.
void rbf_evaluate(CurvePoint* p, const double* u, double s, int m);

// One GL_LINE_STRIP of CURVE_SEGMENTS + 1 samples over [t_1, t_N], y flipped.
void draw_rbf_curve();
