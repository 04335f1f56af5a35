#include "outline_flatten.h"

#include <algorithm>
#include <cmath>

namespace {

struct FlattenState {
  std::vector<Contour> contours;
  Point2 pen;
  double tolerance = 1.0;  // font units
};

Point2 to_point(const FT_Vector* v) {
  return {static_cast<double>(v->x), static_cast<double>(v->y)};
}

double second_difference(const Point2& a, const Point2& b, const Point2& c) {
  return std::hypot(a.x - 2.0 * b.x + c.x, a.y - 2.0 * b.y + c.y);
}

// Wang's formula (G. Wang, 1984; see Filip, Magedson and Markot, "Surface
// algorithms using bounds on derivatives", CAGD 3, 1986): a Bezier curve of
// degree d cut into n equal parameter steps with
//   n >= sqrt(d (d - 1) / 8 * M / tolerance),  M the largest second difference
// of its control points, stays within `tolerance` of its chords.
int segment_count(int degree, double largest_second_difference, double tolerance) {
  const double factor = degree * (degree - 1) / 8.0;
  const double n = std::ceil(std::sqrt(factor * largest_second_difference / tolerance));
  return std::max(1, static_cast<int>(n));
}

FlattenState& state_of(void* user) {
  return *static_cast<FlattenState*>(user);
}

int on_move_to(const FT_Vector* to, void* user) {
  FlattenState& s = state_of(user);
  s.pen = to_point(to);
  s.contours.push_back({s.pen});
  return 0;
}

int on_line_to(const FT_Vector* to, void* user) {
  FlattenState& s = state_of(user);
  s.pen = to_point(to);
  s.contours.back().push_back(s.pen);
  return 0;
}

int on_conic_to(const FT_Vector* control, const FT_Vector* to, void* user) {
  FlattenState& s = state_of(user);
  const Point2 p0 = s.pen, p1 = to_point(control), p2 = to_point(to);
  const int n = segment_count(2, second_difference(p0, p1, p2), s.tolerance);
  for (int i = 1; i <= n; ++i) {
    const double t = static_cast<double>(i) / n, u = 1.0 - t;
    const double b0 = u * u, b1 = 2.0 * u * t, b2 = t * t;
    s.contours.back().push_back(
        {b0 * p0.x + b1 * p1.x + b2 * p2.x, b0 * p0.y + b1 * p1.y + b2 * p2.y});
  }
  s.contours.back().back() = p2;
  s.pen = p2;
  return 0;
}

int on_cubic_to(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
  FlattenState& s = state_of(user);
  const Point2 p0 = s.pen, p1 = to_point(c1), p2 = to_point(c2), p3 = to_point(to);
  const double m = std::max(second_difference(p0, p1, p2), second_difference(p1, p2, p3));
  const int n = segment_count(3, m, s.tolerance);
  for (int i = 1; i <= n; ++i) {
    const double t = static_cast<double>(i) / n, u = 1.0 - t;
    const double b0 = u * u * u, b1 = 3.0 * u * u * t, b2 = 3.0 * u * t * t, b3 = t * t * t;
    s.contours.back().push_back({b0 * p0.x + b1 * p1.x + b2 * p2.x + b3 * p3.x,
                                 b0 * p0.y + b1 * p1.y + b2 * p2.y + b3 * p3.y});
  }
  s.contours.back().back() = p3;
  s.pen = p3;
  return 0;
}

}  // namespace

std::vector<Contour> flatten_outline(const FT_Outline& outline, double tolerance) {
  FlattenState state;
  state.tolerance = tolerance;
  FT_Outline_Funcs funcs{};
  funcs.move_to = on_move_to;
  funcs.line_to = on_line_to;
  funcs.conic_to = on_conic_to;
  funcs.cubic_to = on_cubic_to;
  FT_Outline copy = outline;
  if (FT_Outline_Decompose(&copy, &funcs, &state) != 0) return {};
  return state.contours;
}
