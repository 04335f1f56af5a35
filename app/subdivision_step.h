#pragma once
// The one step frame that every subdivision scheme runs.
//
// A step refines app.points, treated as closed, by one level of the
// library's level loop (subdivision/refine_levels.h: old point i stays at
// index 2i and the scheme's point is inserted at 2i + 1, between old points i
// and i + 1, the last one between the last and the first point). In this
// order it
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
// highlight. All strips are open although the stencils are closed.

#include "app/library_names.h"

// Runs one step of `scheme` with `stencil_size` points per RBF stencil (even,
// 2..MAX_POINTS; the four-point schemes take their own). Returns true when the
// level was committed and drawn; false when it was refused (too many points,
// or the scheme could not insert a point), in which case points, parameter
// values, h and r are unchanged and nothing was drawn.
bool subdivision_step(SchemeKind scheme, int stencil_size);
