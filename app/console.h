#pragma once
// What the program says on the console, and the trace file "debug.txt".
//
// The trace of the RBF subdivision, printed while app.trace_on. Per stencil,
// in this order: the system and then its inverse, each written by
// matrix_print (trace file first, then console); the weight record, console
// first ("%3d :" index, "%7.4f " per weight, "%7.4f %7.4f" check point), then
// the file (same, with "(%7.4f, %7.4f) "); x and then y of the inserted point,
// "%7.4f " each, console then file; and "\n\n", console then file. Without a
// trace file the console lines are still written. Standard output is flushed
// after each record.

#include "subdivision/stencil_observer.h"

constexpr const char* CONTACT_ADDRESS = "curvix@example.org";  // in the banner and the window title

constexpr const char* TRACE_FILE_NAME = "debug.txt";

// The help text: fourteen lines on standard output, flushed.
void print_help();

// Opens "debug.txt" (emptied) when the trace is off, closes it when it is on.
// A file that cannot be created leaves the trace on for the console alone and
// says why on standard error.
void toggle_trace();

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
