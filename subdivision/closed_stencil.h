#pragma once
// Indexing of a stencil that runs over the closure of the polygon.
//
// The polygon of n points is treated as closed: position j of a stencil names
// the point at index j mod n, and its parameter value is continued periodically
// with period L = t[n] + h (the last value plus one spacing), so a position
// wrapped from the end lies one period below, one wrapped from the start one
// period above. For n >= 2 with four-point stencils and n >= 3 with six-point
// ones a single wrap suffices; shorter polygons wrap as often as they need.

#include "curves/parameter_values.h"

// The polygon index of stencil position j, in 0..n-1. Requires n >= 1.
int closed_index(int j, int n);

// How many whole periods position j lies from the polygon: floor(j / n).
// Requires n >= 1.
int closed_period(int j, int n);

// The parameter value of stencil position j over the values t[1..n] with
// spacing h: t[closed_index + 1] moved by closed_period periods, one period at
// a time, as (value - t[n]) - h downward and (h + t[n]) + value upward.
double continued_parameter(int j, int n, const ParameterValues& t, double h);
