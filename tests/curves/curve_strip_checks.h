#pragma once
// Checks shared by the curve tests: bitwise sample comparison and the one
// strip a curve draw leaves in the GL recording.

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/app_state.h"
#include "app/curve_point.h"
#include "gl_recorder.h"

namespace curve_checks {

using gl_recorder::Primitive;
using gl_recorder::Vertex;

inline bool same_bits(const CurvePoint& a, const CurvePoint& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
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
inline void expect_drawn(const std::vector<Vertex>& drawn, const std::vector<CurvePoint>& plain) {
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
