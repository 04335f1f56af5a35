#pragma once
// The RBF curve through the working points, as the program solves, evaluates
// and draws it from its state (app.basis, app.c, app.r, app.pd, the points and
// their parameter values t[1..N]).
//
// A solve that fails (a singular system, or a system larger than the
// coefficient table) leaves the table as it was and clears
// app.rbf_coefficients_valid, so no curve is drawn from it; the next successful
// solve sets the flag again.

#include "app/curve_strip.h"

// Rebuilds app.rbf_coefficients from the working points, their parameter values,
// pd, r, c and basis, and records in app.rbf_coefficients_valid whether it
// succeeded. Does nothing at all when there are more than MAX_CURVE_POINTS points.
void rbf_solve();

// One GL_LINE_STRIP of CURVE_SEGMENTS + 1 samples over [t_1, t_N], colour
// CURVE_LINE_COLOUR, y flipped against the window height. Draws nothing, not
// even the colour, when N is 0 or above MAX_CURVE_POINTS, when the last solve
// failed, or when any sample is not finite.
void draw_rbf_curve();
