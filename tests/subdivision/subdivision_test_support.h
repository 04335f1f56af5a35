#pragma once
// Helpers shared by the subdivision tests.

#include <GL/gl.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app_fixture.h"
#include "subdivision/closed_stencil.h"

namespace subdivision_test {

// The traced system of a uniform RBF4 stencil with h = 1 (parameter values
// -1, 0, 1, 2), pd = 1, mq1 and r = C = 1, as matrix_print writes its rows.
inline const std::vector<std::string> UNIFORM_RBF4_SYSTEM_ROWS = {
    "  0.000   0.000   1.000   1.000   1.000   1.000 ",
    "  0.000   0.000  -1.000   0.000   1.000   2.000 ",
    "  1.000  -1.000   1.000   1.414   2.236   3.162 ",
    "  1.000   0.000   1.414   1.000   1.414   2.236 ",
    "  1.000   1.000   2.236   1.414   1.000   1.414 ",
    "  1.000   2.000   3.162   2.236   1.414   1.000 ",
};

using gl_recorder::Rgb;
using gl_recorder::Vertex;

constexpr Rgb rgb(const Colour& c) {
  return {c.red, c.green, c.blue};
}

// The call names of the recording, vertices left out.
inline std::vector<std::string> calls_without_vertices() {
  std::vector<std::string> names;
  for (const std::string& name : gl_recorder::call_names())
    if (name != "glVertex2d") names.push_back(name);
  return names;
}

// The vertices a strip through points[0 .. count - 1] has, flipped against the height.
inline std::vector<Vertex> strip_of(const Point* points, int count) {
  std::vector<Vertex> vertices;
  for (int i = 0; i < count; ++i)
    vertices.push_back({points[i].x, static_cast<double>(app.window_height) - points[i].y, 0.0});
  return vertices;
}

// The stencil of old point i, s points, as a step gathers it from the polygon
// `old` with parameter values `knots` and spacing h: its points and their
// continued parameter values.
struct GatheredStencil {
  std::vector<curvix::PlanarPoint> points;
  std::vector<double> params;
};
inline GatheredStencil gathered_stencil(const PointList& old, const ParameterValues& knots,
                                        double h, int i, int s) {
  std::vector<curvix::PlanarPoint> polygon;
  for (int k = 0; k < old.count; ++k)
    polygon.push_back(
        {old.items[static_cast<std::size_t>(k)].x, old.items[static_cast<std::size_t>(k)].y});
  GatheredStencil stencil{std::vector<curvix::PlanarPoint>(static_cast<std::size_t>(s)),
                          std::vector<double>(static_cast<std::size_t>(s))};
  curvix::gather_closed_stencil(polygon.data(), &knots[1], old.count, h, i, s,
                                stencil.points.data(), stencil.params.data());
  return stencil;
}

// The working points as (x, y) pairs, for whole-polygon comparisons.
inline std::vector<std::pair<double, double>> coordinates() {
  std::vector<std::pair<double, double>> result;
  for (int i = 0; i < app.points.count; ++i)
    result.emplace_back(app.points.items[static_cast<std::size_t>(i)].x,
                        app.points.items[static_cast<std::size_t>(i)].y);
  return result;
}

}  // namespace subdivision_test
