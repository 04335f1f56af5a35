#include "contour_cleanup.h"

#include <algorithm>
#include <cstddef>

namespace {

bool same_point(const Point2& a, const Point2& b) {
  return a.x == b.x && a.y == b.y;
}

// One pass over a closed contour; true when it removed something.
bool drop_one_redundant(Contour& contour) {
  const std::size_t n = contour.size();
  for (std::size_t i = 0; i < n && n >= 3; ++i) {
    const Point2& prev = contour[(i + n - 1) % n];
    const Point2& next = contour[(i + 1) % n];
    if (same_point(contour[i], next) || cross(prev, contour[i], next) == 0.0) {
      contour.erase(contour.begin() + static_cast<std::ptrdiff_t>(i));
      return true;
    }
  }
  return false;
}

int sign(double v) {
  return (v > 0.0) - (v < 0.0);
}

bool on_segment(const Point2& a, const Point2& b, const Point2& p) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

// Closed segments ab and cd share at least one point (orientation test, with
// the collinear cases: O'Rourke, Computational Geometry in C, 2nd ed., 1.5).
bool segments_meet(const Point2& a, const Point2& b, const Point2& c, const Point2& d) {
  const int d1 = sign(cross(c, d, a)), d2 = sign(cross(c, d, b));
  const int d3 = sign(cross(a, b, c)), d4 = sign(cross(a, b, d));
  if (d1 * d2 < 0 && d3 * d4 < 0) return true;
  return (d1 == 0 && on_segment(c, d, a)) || (d2 == 0 && on_segment(c, d, b)) ||
         (d3 == 0 && on_segment(a, b, c)) || (d4 == 0 && on_segment(a, b, d));
}

struct Edge {
  Point2 a, b;
  std::size_t contour = 0, index = 0, contour_size = 0;
};

bool consecutive(const Edge& e, const Edge& f) {
  if (e.contour != f.contour) return false;
  const std::size_t n = e.contour_size;
  return (e.index + 1) % n == f.index || (f.index + 1) % n == e.index;
}

// Consecutive edges of one contour share their common point and, once
// collinear points are removed, nothing else.
bool edges_conflict(const Edge& e, const Edge& f) {
  if (consecutive(e, f)) return false;
  return segments_meet(e.a, e.b, f.a, f.b);
}

}  // namespace

std::vector<Contour> to_font_units(const std::vector<Contour>& contours, const Point2& origin,
                                   double scale) {
  std::vector<Contour> out;
  for (const Contour& contour : contours) {
    Contour scaled;
    for (const Point2& p : contour) {
      scaled.push_back({static_cast<float>((p.x - origin.x) * scale),
                        static_cast<float>((p.y - origin.y) * scale)});
    }
    out.push_back(scaled);
  }
  return out;
}

std::vector<Contour> remove_redundant_points(const std::vector<Contour>& contours) {
  std::vector<Contour> out;
  for (Contour contour : contours) {
    while (drop_one_redundant(contour)) {
    }
    if (contour.size() >= 3 && signed_area(contour) != 0.0) out.push_back(contour);
  }
  return out;
}

bool contours_intersect(const std::vector<Contour>& contours) {
  std::vector<Edge> edges;
  for (std::size_t c = 0; c < contours.size(); ++c) {
    const Contour& contour = contours[c];
    for (std::size_t i = 0; i < contour.size(); ++i) {
      edges.push_back({contour[i], contour[(i + 1) % contour.size()], c, i, contour.size()});
    }
  }
  for (std::size_t i = 0; i < edges.size(); ++i) {
    for (std::size_t j = i + 1; j < edges.size(); ++j) {
      if (edges_conflict(edges[i], edges[j])) return true;
    }
  }
  return false;
}

int total_points(const std::vector<Contour>& contours) {
  std::size_t total = 0;
  for (const Contour& contour : contours) total += contour.size();
  return static_cast<int>(total);
}
