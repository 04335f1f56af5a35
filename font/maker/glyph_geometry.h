#pragma once
// Plain geometry shared by the generator's stages: closed contours of points
// and the triangles that fill them.

#include <array>
#include <vector>

struct Point2 {
  double x = 0.0;
  double y = 0.0;
};

// A closed contour: the last point joins back to the first, which is not repeated.
using Contour = std::vector<Point2>;

using Triangle = std::array<int, 3>;  // indices into the glyph's concatenated contour points

inline double cross(const Point2& o, const Point2& a, const Point2& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Shoelace formula: positive for a counter-clockwise contour (y upward).
inline double signed_area(const Contour& contour) {
  double twice = 0.0;
  for (std::size_t i = 0; i < contour.size(); ++i) {
    const Point2& a = contour[i];
    const Point2& b = contour[(i + 1) % contour.size()];
    twice += a.x * b.y - b.x * a.y;
  }
  return twice / 2.0;
}
