#pragma once
// One level of subdivision of a closed polygon by a mask of any arity m:
//   p_(k+1)[i] = sum_j a[i - m j] p_k[j],  i = 0 .. m n - 1,
// the old points' indices taken modulo n (the polygon is closed), the taps
// a[first] .. a[first + K] at the indices their alignment gives them
// (smoothness/exact_mask.h states the convention: a primal mask's centre on
// index 0, a dual one's on -1/2). For a dual binary mask such as Chaikin's,
// new points 2i and 2i + 1 lie on the edge from p_i to p_(i+1); for a primal
// interpolatory mask, new point m i is p_i.

#include <vector>

#include "curves/planar_point.h"

namespace curvix {

struct SubdivisionMask {
  std::vector<double> taps;  // a_first .. a_(first + K)
  int arity = 2;             // m >= 2
  int first = 0;             // the index of taps[0]
};

// Refines points[0..n-1] (n >= 1) into out[0 .. m n - 1]; the sum for each
// new point runs over j in increasing order.
void refine_by_mask(const PlanarPoint* points, int n, const SubdivisionMask& mask,
                    PlanarPoint* out);

// The discrete curvature of a closed polygon at each vertex (n >= 1): the
// turning angle at the vertex, from the edge into it to the edge out of it
// (in (-pi, pi], positive turning to the left as seen in the window, where y
// grows upward: the stored y grows downward), over the mean of the two
// edges' lengths. NaN at a vertex where an edge has length 0.
std::vector<double> discrete_curvature(const std::vector<PlanarPoint>& polygon);

}  // namespace curvix
