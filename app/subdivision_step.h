#pragma once
// One level of interpolatory subdivision of the working polygon, treated as
// closed, as the subdivision command runs it: every old point stays, one new
// point is inserted after each, and the step draws its own frame.
//
// A step refines app.points by one level of the library's level loop
// (subdivision/refine_levels.h: old point i stays at index 2i and the scheme's
// point is inserted at 2i + 1, between old points i and i + 1, the last one
// between the last and the first point). In this order it
//   1. refuses at once when the result would exceed MAX_POINTS points;
//   2. refines the level (the library traces RBF stencils to the trace
//      observer while app.trace_on);
//   3. draws the saved polygon (in whatever colour is current) and the old
//      level in PREVIOUS_LEVEL_COLOUR;
//   4. commits: the count doubles, the spacing h halves, the coordinates are
//      copied in and the parameter values become uniform, t[k + 1] = k * h;
//   5. draws the new level in the scheme's colour;
//   6. takes the next level's r (halved in stationary mode for the RBF schemes);
//   7. flushes, swaps the buffers and solves the RBF curve afresh.
// Only the x and y of points are read and written: each index keeps its
// highlight. All strips are open although the stencils are closed. A refused
// step changes nothing and draws nothing.

#include "app/app_state.h"

// The step of the selected scheme: the scheme's row of the library's table
// (curvix::SCHEMES) says whether it is an RBF scheme, run with `stencil_size`
// points per stencil, or a four-point scheme; a value outside the table, or
// one of the schemes only the companion runs, is D-D.
void subdivide(SchemeKind scheme, int stencil_size);

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
