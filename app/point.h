#pragma once
// Control points and the fixed-capacity lists that hold them.
//
// Coordinates are window pixels exactly as GLUT delivers them: x from the left
// edge, y downward from the top edge. They are stored unflipped; everything
// drawn maps a point to (x, window_height - y).

#include <array>

constexpr int MAX_POINTS = 500;      // capacity of every point list and parameter array
constexpr int COORDS_PER_POINT = 2;  // x and y: what copies of a point carry (never the highlight)

struct Point {
  double x = 0.0;          // pixels from the left edge
  double y = 0.0;          // pixels down from the top edge
  double highlight = 0.0;  // 1.0 while hovered or dragged, else 0.0
  double reserved = 0.0;   // carried along, read by nobody
};

struct PointList {
  std::array<Point, MAX_POINTS> items{};
  int count = 0;  // valid entries at the front; entries past it keep stale values
};

// Copies the COORDS_PER_POINT coordinates of `from` into `to`, leaving the
// highlight and the reserved value of `to` as they were.
inline void copy_coordinates(Point& to, const Point& from) {
  to.x = from.x;
  to.y = from.y;
}
