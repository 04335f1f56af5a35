#pragma once
// Checks shared by the curve tests: bitwise sample comparison and the one
// strip a curve draw leaves in the GL recording.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/app_state.h"
#include "app/curve_drawing.h"
#include "curves/planar_point.h"
#include "gl_recorder.h"
#include "reference/plain_curves.h"

namespace curve_checks {

using curvix::PlanarPoint;
using gl_recorder::Primitive;
using gl_recorder::Vertex;

using reference::CurveSamples;

inline CurveSamples curve_samples() {
  return CurveSamples(static_cast<std::size_t>(CURVE_SAMPLES));
}

inline bool same_bits(const PlanarPoint& a, const PlanarPoint& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The coordinates of program points, as the program hands them to the library.
inline std::vector<PlanarPoint> planar(const std::vector<Point>& points) {
  std::vector<PlanarPoint> out;
  for (const Point& p : points) out.push_back({p.x, p.y});
  return out;
}

// The first m working points as library points.
inline std::vector<PlanarPoint> working_points(int m) {
  return planar(std::vector<Point>(app.points.items.begin(), app.points.items.begin() + m));
}

// The one strip drawn, after checking the calls and the colour.
inline std::vector<Vertex> drawn_strip() {
  const std::vector<Primitive> prims = gl_recorder::primitives();
  EXPECT_EQ(gl_recorder::count_of("glColor3f"), 1);
  EXPECT_EQ(gl_recorder::count_of("glVertex3dv"), 501);
  if (prims.size() != 1) {
    ADD_FAILURE() << prims.size() << " primitives";
    return {};
  }
  EXPECT_EQ(prims[0].mode, static_cast<unsigned>(GL_LINE_STRIP));
  EXPECT_EQ(prims[0].colour, (gl_recorder::Rgb{0.3f, 0.0f, 0.0f}));
  return prims[0].vertices;
}

// The drawn vertices are the plain samples with y flipped against the height.
inline void expect_drawn(const std::vector<Vertex>& drawn, const CurveSamples& plain) {
  ASSERT_EQ(drawn.size(), plain.size());
  for (size_t k = 0; k < plain.size(); ++k) {
    const Vertex expected{plain[k].x, app.window_height - plain[k].y, 0.0};
    if (std::memcmp(drawn[k].data(), expected.data(), sizeof expected) != 0) {
      ADD_FAILURE() << "vertex " << k << ": (" << drawn[k][0] << ", " << drawn[k][1]
                    << ") expected (" << expected[0] << ", " << expected[1] << ")";
      return;
    }
  }
}

}  // namespace curve_checks
