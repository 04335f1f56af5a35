#pragma once
// Parameter values of the working points: uniform assignment and the console entry.

// t[i] = (i - 1) * app.knot_spacing for i = 1..N.
void assign_uniform_knots();

// Reads N increasing values from standard input into t[1..N]; prompts and
// reports a rejected entry on standard output.
void read_knot_vectors();
