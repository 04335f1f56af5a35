#include "subdivision/mask_refinement.h"

#include <cassert>
#include <cmath>
#include <cstddef>
#include <limits>

namespace curvix {

namespace {

// floor(x / m) for any sign of x.
int floor_div(int x, int m) {
  return x >= 0 ? x / m : -((-x + m - 1) / m);
}

int wrapped(int j, int n) {
  const int r = j % n;
  return r < 0 ? r + n : r;
}

}  // namespace

void refine_by_mask(const PlanarPoint* points, int n, const SubdivisionMask& mask,
                    PlanarPoint* out) {
  assert(n >= 1 && mask.arity >= 2 && !mask.taps.empty());
  const int m = mask.arity;
  const int last = mask.first + static_cast<int>(mask.taps.size()) - 1;
  for (int i = 0; i < m * n; ++i) {
    // a[i - m j] is a tap for first <= i - m j <= last.
    PlanarPoint sum;
    for (int j = floor_div(i - last + m - 1, m); j <= floor_div(i - mask.first, m); ++j) {
      const double tap = mask.taps[static_cast<std::size_t>(i - m * j - mask.first)];
      const PlanarPoint& p = points[wrapped(j, n)];
      sum.x += tap * p.x;
      sum.y += tap * p.y;
    }
    out[i] = sum;
  }
}

std::vector<double> discrete_curvature(const std::vector<PlanarPoint>& polygon) {
  const std::size_t n = polygon.size();
  assert(n >= 1);
  std::vector<double> curvature(n);
  for (std::size_t i = 0; i < n; ++i) {
    const PlanarPoint& a = polygon[(i + n - 1) % n];
    const PlanarPoint& b = polygon[i];
    const PlanarPoint& c = polygon[(i + 1) % n];
    // In window coordinates (y up): flip the stored y differences.
    const double ux = b.x - a.x, uy = a.y - b.y;
    const double vx = c.x - b.x, vy = b.y - c.y;
    const double into = std::hypot(ux, uy), out = std::hypot(vx, vy);
    if (into == 0.0 || out == 0.0) {
      curvature[i] = std::numeric_limits<double>::quiet_NaN();
      continue;
    }
    const double turning = std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
    curvature[i] = turning / (0.5 * (into + out));
  }
  return curvature;
}

}  // namespace curvix
