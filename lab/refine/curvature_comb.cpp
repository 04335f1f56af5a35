#include "lab/refine/curvature_comb.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace curvix {

namespace {

double extent(const std::vector<PlanarPoint>& polygon) {
  double low_x = polygon[0].x, high_x = low_x, low_y = polygon[0].y, high_y = low_y;
  for (const PlanarPoint& p : polygon) {
    low_x = std::min(low_x, p.x);
    high_x = std::max(high_x, p.x);
    low_y = std::min(low_y, p.y);
    high_y = std::max(high_y, p.y);
  }
  return std::max(high_x - low_x, high_y - low_y);
}

double largest_curvature(const std::vector<double>& curvature) {
  double largest = 0.0;
  for (const double k : curvature)
    if (std::isfinite(k)) largest = std::max(largest, std::fabs(k));
  return largest;
}

// The tooth's tip: the vertex moved by -length along the left normal of the
// chord through its neighbours, as the window sees it (y up): outward where
// the polygon turns left, so positive curvature points away from its centre.
PlanarPoint tooth_tip(const std::vector<PlanarPoint>& polygon, std::size_t i, double length) {
  const std::size_t n = polygon.size();
  const PlanarPoint& before = polygon[(i + n - 1) % n];
  const PlanarPoint& after = polygon[(i + 1) % n];
  const double tx = after.x - before.x, ty = after.y - before.y;
  const double chord = std::hypot(tx, ty);
  if (chord == 0.0 || !std::isfinite(length)) return polygon[i];
  // Stored y grows downward: the window's left normal (-ty', tx') with
  // ty' = -ty is (ty, tx) there, (ty, -tx) here.
  return {polygon[i].x - length * ty / chord, polygon[i].y + length * tx / chord};
}

}  // namespace

std::vector<SvgStrip> curvature_comb(const std::vector<PlanarPoint>& polygon,
                                     const std::vector<double>& curvature, const Colour& colour) {
  std::vector<SvgStrip> comb;
  if (polygon.empty()) return comb;
  const double largest = largest_curvature(curvature);
  const double scale = largest > 0.0 ? COMB_LENGTH * extent(polygon) / largest : 0.0;
  SvgStrip tips{{}, colour};
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const PlanarPoint tip = tooth_tip(polygon, i, scale * curvature[i]);
    comb.push_back({{polygon[i], tip}, colour});
    tips.points.push_back(tip);
  }
  tips.points.push_back(tips.points.front());
  comb.push_back(tips);
  return comb;
}

}  // namespace curvix
