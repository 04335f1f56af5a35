#pragma once
// Parameter values of the working points: uniform assignment and the console entry.

#include <cstdio>

// t[i] = (i - 1) * app.knot_spacing for i = 1..N, N = app.points.count.
void assign_uniform_knots();

// The console entry on standard input and output: read_knot_values(stdin, stdout).
void read_knot_vectors();

// Prompts on `out` for N = app.points.count increasing values and reads them
// from `in` with "%f", each rounded to single precision and widened to double
// into app.knot_input[1..N]. When all N are read, they replace app.knots[1..N]
// and the result is true.
//
// The entry is rejected, with the error line on `out`, the rest of the input
// line discarded and app.knots left unchanged, at the first value that is not
// greater than its predecessor, is not finite (nan, inf, a value beyond the
// float range), is not a number at all, or is missing because `in` ended; the
// result is then false. The end of input also ends the discarding, so the
// entry never waits on input that cannot come. `out` is flushed after the
// prompt and after the error line.
bool read_knot_values(std::FILE* in, std::FILE* out);
