#pragma once
// What the program says on the console, and the trace file "debug.txt".

constexpr const char* CONTACT_ADDRESS = "curvix@example.org";  // in the banner and the window title

constexpr const char* TRACE_FILE_NAME = "debug.txt";

// The help text: fourteen lines on standard output, flushed.
void print_help();

// Opens "debug.txt" (emptied) when the trace is off, closes it when it is on.
// A file that cannot be created leaves the trace on for the console alone and
// says why on standard error.
void toggle_trace();
