#pragma once
// The point type of the curve and subdivision library: coordinates only. The
// program's points carry more (a highlight), which the library never needs.

namespace curvix {

struct PlanarPoint {
  double x = 0.0;
  double y = 0.0;
};

}  // namespace curvix
