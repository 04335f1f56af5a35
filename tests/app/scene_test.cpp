#include <GL/gl.h>

#include "app/app_state.h"
#include "app/scene.h"
#include "app_fixture.h"

namespace {

using gl_recorder::Primitive;
using gl_recorder::Rgb;
using gl_recorder::Vertex;

constexpr Rgb rgb(const Colour& c) {
  return {c.red, c.green, c.blue};
}

// The four corners of a marker in the order they are drawn, for a point at (x, y_up).
std::vector<Vertex> marker(double x, double y_up) {
  return {{x + 3, y_up - 3, 0}, {x + 3, y_up + 3, 0}, {x - 3, y_up + 3, 0}, {x - 3, y_up - 3, 0}};
}

class SceneTest : public AppTest {};

TEST_F(SceneTest, ReshapeRebuildsPixelViewThenStoresSize) {
  on_reshape(640, 480);
  const auto& calls = gl_recorder::calls();
  ASSERT_EQ(
      gl_recorder::call_names(),
      (std::vector<std::string>{"glClearColor", "glViewport", "glMatrixMode", "glLoadIdentity",
                                "glOrtho", "glMatrixMode", "glLoadIdentity"}));
  EXPECT_EQ(calls[0].args,
            (std::vector<double>{static_cast<double>(0.8f), static_cast<double>(0.8f),
                                 static_cast<double>(0.8f), 1.0}));
  EXPECT_EQ(calls[1].args, (std::vector<double>{0, 0, 640, 480}));
  EXPECT_EQ(calls[2].args[0], GL_PROJECTION);
  EXPECT_EQ(calls[4].args, (std::vector<double>{0, 640, 0, 480, -1, 1}));
  EXPECT_EQ(calls[5].args[0], GL_MODELVIEW);
  EXPECT_EQ(app.window_width, 640);
  EXPECT_EQ(app.window_height, 480);
}

TEST_F(SceneTest, EmptySceneIsBackgroundAndEmptyStrip) {
  on_display();
  EXPECT_EQ(gl_recorder::call_names(),
            (std::vector<std::string>{"glClear", "glLoadIdentity", "glColor3f", "glBegin", "glEnd",
                                      "glColor3f", "glFlush", "glutSwapBuffers"}));
  EXPECT_EQ(gl_recorder::calls()[0].args[0], GL_COLOR_BUFFER_BIT);
  const auto prims = gl_recorder::primitives();
  ASSERT_EQ(prims.size(), 1u);
  EXPECT_EQ(prims[0].mode, GL_LINE_STRIP);
  EXPECT_TRUE(prims[0].vertices.empty());
  EXPECT_EQ(gl_recorder::current_colour(), rgb(CURVE_COLOUR));
}

TEST_F(SceneTest, OnePointIsFilledSquareFlippedAgainstHeight) {
  add_point(100, 100);
  on_display();
  const auto prims = gl_recorder::primitives();
  ASSERT_EQ(prims.size(), 2u);
  EXPECT_EQ(prims[0].mode, GL_POLYGON);
  EXPECT_EQ(prims[0].colour, rgb(INK_COLOUR));
  EXPECT_EQ(prims[0].vertices, marker(100, 500));
  EXPECT_EQ(prims[1].mode, GL_LINE_STRIP);
  EXPECT_EQ(prims[1].vertices, (std::vector<Vertex>{{100, 500, 0}}));
}

TEST_F(SceneTest, HighlightedPointIsOutlineOthersFilled) {
  add_point(10, 20);
  add_point(30, 40);
  add_point(50, 60);
  app.points.items[1].highlight = 1.0;
  on_display();
  const auto prims = gl_recorder::primitives();
  ASSERT_EQ(prims.size(), 4u);
  EXPECT_EQ(prims[0].mode, GL_POLYGON);
  EXPECT_EQ(prims[1].mode, GL_LINE_LOOP);
  EXPECT_EQ(prims[1].vertices, marker(30, 560));
  EXPECT_EQ(prims[2].mode, GL_POLYGON);
}

TEST_F(SceneTest, PolygonIsOpenStripInIndexOrderAfterResize) {
  add_point(10, 20);
  add_point(300, 40);
  add_point(50, 590);
  on_reshape(400, 1000);
  gl_recorder::reset();
  on_display();
  const auto prims = gl_recorder::primitives();
  ASSERT_EQ(prims.size(), 4u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(prims[i].mode, GL_POLYGON) << "marker " << i;
  EXPECT_EQ(prims[0].vertices, marker(10, 980));
  EXPECT_EQ(prims[3].mode, GL_LINE_STRIP);
  EXPECT_EQ(prims[3].colour, rgb(INK_COLOUR));
  // Three vertices only: the last point is not joined back to the first.
  EXPECT_EQ(prims[3].vertices, (std::vector<Vertex>{{10, 980, 0}, {300, 960, 0}, {50, 410, 0}}));
}

TEST_F(SceneTest, DisplayEndsWithFlushThenSwapAndRequestsNoRedisplay) {
  add_point(1, 2);
  on_display();
  const auto names = gl_recorder::call_names();
  ASSERT_GE(names.size(), 2u);
  EXPECT_EQ(names[names.size() - 2], "glFlush");
  EXPECT_EQ(names.back(), "glutSwapBuffers");
  EXPECT_EQ(gl_recorder::count_of("glutPostRedisplay"), 0);
}

TEST_F(SceneTest, DisplayChangesNoState) {
  add_point(5, 6);
  app.curve_mode = CURVE_NONE;
  const PointList before = app.points;
  on_display();
  for (int i = 0; i < MAX_POINTS; ++i) {
    EXPECT_EQ(app.points.items[i].x, before.items[i].x);
    EXPECT_EQ(app.points.items[i].highlight, before.items[i].highlight);
  }
  EXPECT_EQ(app.points.count, before.count);
}

}  // namespace
