#pragma once
// Indexing of a stencil that runs over the closure of the polygon.
//
// The polygon of n points is treated as closed: position j of a stencil names
// the point at index j mod n, and its parameter value is continued periodically
// with period L = t[n - 1] + h (the last value plus one spacing), so a position
// wrapped from the end lies one period below, one wrapped from the start one
// period above. For n >= 2 with four-point stencils and n >= 3 with six-point
// ones a single wrap suffices; shorter polygons wrap as often as they need.
// Parameter values are 0-based: t[k] belongs to point k.

#include "curves/planar_point.h"

namespace curvix {

// The polygon index of stencil position j, in 0..n-1. Requires n >= 1.
int closed_index(int j, int n);

// How many whole periods position j lies from the polygon: floor(j / n).
// Requires n >= 1.
int closed_period(int j, int n);

// The parameter value of stencil position j over the values t[0..n-1] with
// spacing h: t[closed_index] moved by closed_period periods, one period at a
// time, as (value - t[n - 1]) - h downward and (h + t[n - 1]) + value upward.
double continued_parameter(int j, int n, const double* t, double h);

// The stencil of old point i for s points (s even): positions i - (s/2 - 1) ..
// i + s/2 copied into gathered_points[0..s-1] and, when gathered_params is not
// null, their continued parameter values into gathered_params[0..s-1].
// Requires n >= 1.
void gather_closed_stencil(const PlanarPoint* points, const double* t, int n, double h, int i,
                           int s, PlanarPoint* gathered_points, double* gathered_params);

}  // namespace curvix
