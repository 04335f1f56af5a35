#pragma once
// The RBF4 and RBF6 insert rule: each stencil's points are interpolated by a
// local RBF interpolant over the stencil's parameter values (see rbf_stencil.h)
// and the point inserted is the interpolant at the middle of their span.
//
// Trace (while app.trace_on), per stencil, in this order: the system and then
// its inverse, each written by matrix_print (trace file first, then console);
// the weight record, console first ("%3d :" index, "%7.4f " per weight,
// "%7.4f %7.4f" check point), then the file (same, with "(%7.4f, %7.4f) ");
// x and then y of the inserted point, "%7.4f " each, console then file; and
// "\n\n", console then file. Without a trace file the console lines are still
// written. Standard output is flushed after each record.

#include "app/point.h"

// Builds the system of the current stencil (app.stencil_params[0 ..
// stencil_size - 1], app.pd, app.r), traces it, inverts it and stores the
// inverse in app.stencil_inverse. Returns false when the system is not
// admissible (K = stencil_size + pd + 1 above STENCIL_SYSTEM_MAX, pd >=
// stencil_size, repeated parameter values: nothing is built or traced) or the
// solver finds it singular (the system is traced, app.stencil_inverse untouched).
bool invert_stencil_system(int stencil_size);

// Insert rule of the step frame for the RBF schemes. Writes the stencil
// interpolant's coefficients into app.rbf_coefficients[0 .. K - 1] and
// evaluates it with rbf_evaluate. Returns false when the system cannot be inverted.
bool insert_rbf(int i, int stencil_size, Point& inserted);
