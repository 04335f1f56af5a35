#pragma once
// Single stencils of the subdivision schemes, computed from the stencil the
// last step left in app.stencil_points (and app.stencil_params) with the
// state's settings; each is the library's rule, traced while app.trace_on.

#include "app/point.h"
#include "subdivision/stencil_buffers.h"

// The stencil scratch the program hands the library, reused by every step.
curvix::StencilScratch& stencil_scratch();

// Builds the system of app.stencil_params[0 .. stencil_size - 1] with app.pd,
// app.r, app.basis and app.c, traces it, inverts it and stores the inverse in
// stencil_scratch().inverse. Returns false when the system is not admissible
// (nothing built or traced) or the solver finds it singular (it was traced).
bool invert_stencil_system(int stencil_size);

// The point the RBF rule inserts from the stencil as stencil i; false when the
// system cannot be inverted.
bool insert_rbf(int i, int stencil_size, Point& inserted);

// The four-point rule with tension app.w (NR4) or DD_TENSION (D-D) on
// app.stencil_points[0..3]. They never refuse.
bool insert_nr4(int i, int stencil_size, Point& inserted);
bool insert_dd(int i, int stencil_size, Point& inserted);

// The four-point rule on program points: curvix::four_point_insert of their
// coordinates; the result has no highlight.
Point four_point_insert(const Point* stencil, double tension);
