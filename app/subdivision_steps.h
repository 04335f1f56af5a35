#pragma once
// One level of interpolatory subdivision of the working polygon, treated as
// closed: every old point stays, one new point is inserted after each. Each
// step draws its own frame (saved polygon, previous level, new level), swaps
// the buffers and ends with rbf_solve; subdivision_frame.h describes the frame.
// A step that would exceed MAX_POINTS points is refused silently.

// One RBF4 (stencil_size 4) or RBF6 (stencil_size 6) step (the two schemes share
// one rule and differ in their stencil size only); halves app.r when
// app.stationary is set. Traces every stencil while app.trace_on. Refused as
// a whole, leaving points, parameter values, h, r and app.rbf_coefficients as
// they were and drawing nothing, when a stencil system cannot be inverted
// (pd + 1 > stencil_size, equal parameter values, K above STENCIL_SYSTEM_MAX)
// or stencil_size is not an even number in 2..MAX_POINTS.
void subdivide_rbf(int stencil_size);

// One step of the four-point scheme with tension app.w.
void subdivide_nr4();

// One step of the Deslauriers-Dubuc four-point scheme (tension 1/16).
void subdivide_dd();
