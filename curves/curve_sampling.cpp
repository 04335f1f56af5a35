#include "curves/curve_sampling.h"

#include <cmath>

namespace curvix {

bool samples_finite(const PlanarPoint* samples, int count) {
  for (int k = 0; k < count; ++k)
    if (!std::isfinite(samples[k].x) || !std::isfinite(samples[k].y)) return false;
  return true;
}

}  // namespace curvix
