#pragma once
// RBF interpolation curve: a polynomial of degree app.pd plus translates of the
// basis function centred at the parameter values, through every working point.
//
// The system for N points and degree pd has dimension n = N + pd + 1 and the
// block form (0, P^T; P, Phi), 1-based: P[i][j] = t_i^(j - 1) (pow with a double
// exponent, t^0 = 1) and Phi[i][j] = phi(t_j - t_i). Solved for the right-hand
// side (0, ..., 0, x_1, ..., x_N) and the same for y, it gives the table
// entries 0..pd (polynomial coefficients) and pd + 1..pd + N (weights).
//
// A solve that fails (a singular system: one point with pd >= 1, two equal
// parameter values, the gaussian at r = 0; or a system larger than the
// coefficient table) leaves the table as it was and clears
// app.rbf_coefficients_valid, so no curve is drawn from it; the next successful
// solve sets the flag again.

#include "curves/curve_point.h"
#include "linalg/matrix.h"

// The n x n system matrix, n = count + pd + 1, over t[1..count] (1-based, slot 0
// unused), with the basis function of app.basis and app.c at shape r.
Matrix rbf_system_matrix(const double* t, int count, int pd, double r);

// Rebuilds app.rbf_coefficients from the working points, their parameter values,
// pd, r, c and basis, and records in app.rbf_coefficients_valid whether it
// succeeded. Does nothing at all when there are more than MAX_CURVE_POINTS points.
void rbf_solve();

// Evaluates the interpolant held in app.rbf_coefficients at parameter s, with the
// m centres u[0..m-1]: polynomial terms by increasing power, then basis terms by
// increasing centre, each added to the running sum. Reads pd, r and the basis;
// writes only *p (z is 0). Requires pd + m < MAX_POINTS.
void rbf_evaluate(CurvePoint* p, const double* u, double s, int m);

// One GL_LINE_STRIP of CURVE_SEGMENTS + 1 samples over [t_1, t_N], colour
// CURVE_LINE_COLOUR, y flipped against the window height. Draws nothing, not
// even the colour, when N is 0 or above MAX_CURVE_POINTS, when the last solve
// failed, or when any sample is not finite.
void draw_rbf_curve();
