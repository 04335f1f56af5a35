#pragma once
// The trace of the RBF subdivision, printed while app.trace_on.
//
// Per stencil, in this order: the system and then its inverse, each written by
// matrix_print (trace file first, then console); the weight record, console
// first ("%3d :" index, "%7.4f " per weight, "%7.4f %7.4f" check point), then
// the file (same, with "(%7.4f, %7.4f) "); x and then y of the inserted point,
// "%7.4f " each, console then file; and "\n\n", console then file. Without a
// trace file the console lines are still written. Standard output is flushed
// after each record.

#include "subdivision/stencil_observer.h"

// Prints what the library reports of each stencil, to the console and
// app.trace_file.
class TraceObserver : public curvix::StencilObserver {
 public:
  void system_built(const curvix::Matrix& system, int k) override;
  void system_inverted(const curvix::Matrix& inverse, int k) override;
  void point_inserted(const curvix::InsertionRecord& record) override;
};

// A trace printer while app.trace_on, else null: what the program hands the library.
curvix::StencilObserver* trace_observer();
