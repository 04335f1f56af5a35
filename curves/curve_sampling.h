#pragma once
// Where the samples of a sampled curve lie, shared by every curve kind.

#include "curves/planar_point.h"

namespace curvix {

// Parameter of sample k (0..segments) of a curve sampled over [first, last]:
// first + ((last - first) k) / segments, rounded in this order. Sample 0 is
// first exactly; sample `segments` is last up to rounding. Requires segments >= 1.
inline double curve_sample_parameter(double first, double last, int k, int segments) {
  return first + ((last - first) * static_cast<double>(k)) / static_cast<double>(segments);
}

// True when the x and y of samples[0 .. count - 1] are all finite.
bool samples_finite(const PlanarPoint* samples, int count);

}  // namespace curvix
