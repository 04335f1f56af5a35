// The shared step frame, exercised through the D-D and NR4 schemes, which need
// no numerics: guard, closed stencils, assembly, commit and the frame drawn.

#include "app/subdivision_step.h"

#include <cstring>

#include "app/knots.h"
#include "app/scene.h"
#include "subdivision/four_point_rule.h"
#include "subdivision_test_support.h"

namespace {

using curvix::DD_TENSION;

using namespace subdivision_test;

class SubdivisionStep : public AppTest {
 protected:
  // n points on an irregular closed polygon, no two coordinates alike.
  static void add_irregular_points(int n) {
    for (int i = 0; i < n; ++i)
      add_point(10.0 + 7.3 * i + 0.1 * (i % 3), 40.0 + 3.7 * (i % 5) + 0.3 * i);
    assign_uniform_knots();
  }
};

TEST_F(SubdivisionStep, FrameCallsRunInOrder) {
  add_irregular_points(4);
  app.saved = app.points;
  subdivide_dd();
  EXPECT_EQ(calls_without_vertices(),
            (std::vector<std::string>{"glClear", "glLoadIdentity", "glBegin", "glEnd", "glColor3f",
                                      "glBegin", "glEnd", "glColor3f", "glBegin", "glEnd",
                                      "glFlush", "glutSwapBuffers"}));
  EXPECT_EQ(gl_recorder::calls()[0].args[0], GL_COLOR_BUFFER_BIT);
}

TEST_F(SubdivisionStep, StripsShowSavedOldAndNewLevelsInTheirColours) {
  add_point(100, 100);
  add_point(200, 100);
  app.saved = app.points;
  add_point(200, 200);
  add_point(100, 200);
  assign_uniform_knots();
  const PointList old_points = app.points;
  set_colour(CURVE_COLOUR);  // what a redisplay without a curve leaves current
  gl_recorder::reset();
  set_colour(CURVE_COLOUR);
  subdivide_nr4();

  const auto prims = gl_recorder::primitives();
  ASSERT_EQ(prims.size(), 3u);
  for (const auto& prim : prims) EXPECT_EQ(prim.mode, GL_LINE_STRIP);
  EXPECT_EQ(prims[0].colour, rgb(CURVE_COLOUR));
  EXPECT_EQ(prims[0].vertices, strip_of(app.saved.items.data(), 2));
  EXPECT_EQ(prims[1].colour, rgb(PREVIOUS_LEVEL_COLOUR));
  EXPECT_EQ(prims[1].vertices, strip_of(old_points.items.data(), 4));
  EXPECT_EQ(prims[2].colour, rgb(FOUR_POINT_LEVEL_COLOUR));
  EXPECT_EQ(prims[2].vertices, strip_of(app.points.items.data(), 8));
  EXPECT_EQ(gl_recorder::count_of("glColor3f"), 3);  // the one set above and two of the step
}

TEST_F(SubdivisionStep, SavedStripInheritsTheColourOfThePreviousStep) {
  add_irregular_points(5);
  app.saved = app.points;
  subdivide_dd();
  subdivide_nr4();
  const auto prims = gl_recorder::primitives();
  ASSERT_EQ(prims.size(), 6u);
  EXPECT_EQ(prims[3].colour, rgb(FOUR_POINT_LEVEL_COLOUR));
  EXPECT_EQ(prims[3].vertices, strip_of(app.saved.items.data(), 5));
}

TEST_F(SubdivisionStep, NoSavedPointsMeansNoSavedStrip) {
  add_irregular_points(3);
  subdivide_dd();
  const auto prims = gl_recorder::primitives();
  ASSERT_EQ(prims.size(), 2u);
  EXPECT_EQ(prims[0].colour, rgb(PREVIOUS_LEVEL_COLOUR));
}

TEST_F(SubdivisionStep, EmptyPolygonHalvesSpacingAndDrawsEmptyStrips) {
  add_point(5, 6);
  add_point(7, 8);
  app.saved = app.points;
  app.points.count = 0;
  subdivide_nr4();
  EXPECT_EQ(app.points.count, 0);
  EXPECT_EQ(app.knot_spacing, 0.5);
  const auto prims = gl_recorder::primitives();
  ASSERT_EQ(prims.size(), 3u);
  EXPECT_EQ(prims[0].vertices.size(), 2u);
  EXPECT_TRUE(prims[1].vertices.empty());
  EXPECT_TRUE(prims[2].vertices.empty());
  EXPECT_EQ(gl_recorder::count_of("glutSwapBuffers"), 1);
}

TEST_F(SubdivisionStep, GuardAdmits250AndRefuses251) {
  add_irregular_points(250);
  subdivide_dd();
  EXPECT_EQ(app.points.count, 500);
  EXPECT_EQ(gl_recorder::count_of("glutSwapBuffers"), 1);

  app = AppState{};
  gl_recorder::reset();
  add_irregular_points(251);
  app.knots[3] = 77.0;
  const PointList points_before = app.points;
  const ParameterValues knots_before = app.knots;
  subdivide_dd();
  EXPECT_TRUE(gl_recorder::calls().empty());
  EXPECT_EQ(app.points.count, 251);
  EXPECT_EQ(app.knot_spacing, 1.0);
  EXPECT_EQ(std::memcmp(&app.points, &points_before, sizeof app.points), 0);
  EXPECT_EQ(app.knots, knots_before);
}

TEST_F(SubdivisionStep, EvenEntriesAreTheOldPointsBitForBit) {
  add_irregular_points(7);
  const PointList original = app.points;
  subdivide_nr4();
  subdivide_dd();
  ASSERT_EQ(app.points.count, 28);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(app.points.items[4 * i].x, original.items[i].x) << i;
    EXPECT_EQ(app.points.items[4 * i].y, original.items[i].y) << i;
  }
}

TEST_F(SubdivisionStep, StencilsWrapAroundTheClosure) {
  add_irregular_points(6);
  const PointList old = app.points;
  const ParameterValues knots = app.knots;
  subdivide_dd();
  // The last stencil is old points N-2, N-1, 0, 1.
  const GatheredStencil last_stencil = gathered_stencil(old, knots, 1.0, 5, 4);
  for (int m = 0; m < 4; ++m) {
    const Point& expected = old.items[(4 + m) % 6];
    EXPECT_EQ(last_stencil.points[m].x, expected.x) << m;
    EXPECT_EQ(last_stencil.points[m].y, expected.y) << m;
  }
  const curvix::PlanarPoint first_stencil[4] = {{old.items[5].x, old.items[5].y},
                                                {old.items[0].x, old.items[0].y},
                                                {old.items[1].x, old.items[1].y},
                                                {old.items[2].x, old.items[2].y}};
  const curvix::PlanarPoint first = curvix::four_point_insert(first_stencil, curvix::DD_TENSION);
  EXPECT_EQ(app.points.items[1].x, first.x);
  EXPECT_EQ(app.points.items[1].y, first.y);
  const curvix::PlanarPoint last =
      curvix::four_point_insert(last_stencil.points.data(), curvix::DD_TENSION);
  EXPECT_EQ(app.points.items[11].x, last.x);
  EXPECT_EQ(app.points.items[11].y, last.y);
}

TEST_F(SubdivisionStep, ParameterValuesBecomeUniformWithHalvedSpacing) {
  add_irregular_points(4);
  app.knots[1] = 2.0;
  app.knots[2] = 3.0;
  app.knots[3] = 5.0;
  app.knots[4] = 7.0;
  subdivide_dd();
  EXPECT_EQ(app.knot_spacing, 0.5);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(app.knots[k + 1], 0.5 * k) << k;
  subdivide_nr4();
  EXPECT_EQ(app.knot_spacing, 0.25);
  EXPECT_EQ(app.knots[16], 3.75);
}

TEST_F(SubdivisionStep, HighlightStaysWithTheIndex) {
  add_irregular_points(4);
  app.points.items[1].highlight = 1.0;
  app.points.items[3].reserved = 42.0;
  subdivide_dd();
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(app.points.items[k].highlight, k == 1 ? 1.0 : 0.0) << k;
    EXPECT_EQ(app.points.items[k].reserved, k == 3 ? 42.0 : 0.0) << k;
  }
}

}  // namespace
