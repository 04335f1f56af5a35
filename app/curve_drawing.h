#pragma once
// The three curves as the program solves, samples and draws them: each is one
// line strip of CURVE_SEGMENTS + 1 samples in CURVE_LINE_COLOUR, y flipped
// against the window height, drawn from the weights kept between events
// (kept_tables.h) applied to the working points, or for the RBF curve to its
// coefficients: the bits of the library's plain samplers.
//
// A curve is drawn for 1 <= N <= MAX_CURVE_POINTS points and only when every
// sample is finite; otherwise no GL call is made at all, not even its colour.
//
// The RBF curve's solve: a solve that fails (a singular system, or a system
// larger than the coefficient table) leaves the table as it was and clears
// app.rbf_coefficients_valid, so no curve is drawn from it; the next
// successful solve sets the flag again.

#include "app/app_state.h"

constexpr int CURVE_SAMPLES = CURVE_SEGMENTS + 1;  // vertices of a drawn curve

// True for the point counts a curve is drawn for: 1..MAX_CURVE_POINTS.
inline bool curve_drawable(int n) {
  return n >= 1 && n <= MAX_CURVE_POINTS;
}

// A buffer of CURVE_SAMPLES library samples, reused by every draw.
curvix::PlanarPoint* curve_sample_buffer();

// Sets the colour CURVE_LINE_COLOUR, then emits samples[0 .. count - 1] as one
// GL_LINE_STRIP of glVertex3dv calls (z = 0) with y flipped against
// app.window_height, but only when every sample is finite: a non-finite vertex
// never reaches GL.
void draw_curve_strip(const curvix::PlanarPoint* samples, int count);

// The Lagrange curve of the working points at their parameter values, over
// [t_1, t_N]; nothing when a sample is not finite (two equal parameter values).
void draw_lagrange_curve();

// The Bezier curve with the working points as control polygon, over u in [0, 1].
void draw_bezier_curve();

// Rebuilds app.rbf_coefficients from the working points, their parameter values,
// pd, r, c and basis, and records in app.rbf_coefficients_valid whether it
// succeeded. Does nothing at all when there are more than MAX_CURVE_POINTS points.
void rbf_solve();

// The RBF curve over [t_1, t_N]; nothing when the last solve failed.
void draw_rbf_curve();
