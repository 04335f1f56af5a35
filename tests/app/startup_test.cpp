#include <GL/glut.h>

#include "app/commands.h"
#include "app/point_editing.h"
#include "app/scene.h"
#include "app/startup.h"
#include "app_fixture.h"

namespace {

class StartupTest : public AppTest {};

TEST_F(StartupTest, RunsTheStartSequenceInOrder) {
  int argc = 1;
  char name[] = "curvix";
  char* argv[] = {name, nullptr};
  testing::internal::CaptureStdout();
  run_curvix(&argc, argv);
  const std::string out = testing::internal::GetCapturedStdout();

  std::vector<std::string> expected = {
      "glutInit",         "glutInitDisplayMode",   "glutInitWindowSize", "glutCreateWindow",
      "glutReshapeFunc",  "glutDisplayFunc",       "glutMouseFunc",      "glutMotionFunc",
      "glutKeyboardFunc", "glutPassiveMotionFunc", "glutCreateMenu"};
  expected.insert(expected.end(), 9, "glutAddMenuEntry");
  expected.push_back("glutAttachMenu");
  expected.push_back("glutMainLoop");
  EXPECT_EQ(gl_recorder::call_names(), expected);

  const auto& calls = gl_recorder::calls();
  EXPECT_EQ(static_cast<unsigned>(calls[1].args[0]) & GLUT_DOUBLE, GLUT_DOUBLE);
  EXPECT_EQ(calls[2].args, (std::vector<double>{800, 600}));
  EXPECT_EQ(calls[3].text, "Curvix curvix@example.org 2002");
  // The help text is printed before the main loop starts.
  EXPECT_EQ(out.rfind("Curvix tools by ", 0), 0u);
}

TEST_F(StartupTest, RegistersTheProgramsCallbacksAndMenu) {
  int argc = 1;
  char name[] = "curvix";
  char* argv[] = {name, nullptr};
  testing::internal::CaptureStdout();
  run_curvix(&argc, argv);
  testing::internal::GetCapturedStdout();

  const auto& reg = gl_recorder::registered();
  EXPECT_EQ(reg.reshape, &on_reshape);
  EXPECT_EQ(reg.display, &on_display);
  EXPECT_EQ(reg.mouse, &on_mouse);
  EXPECT_EQ(reg.motion, &on_motion);
  EXPECT_EQ(reg.passive_motion, &on_passive_motion);
  EXPECT_EQ(reg.keyboard, &on_keyboard);
  EXPECT_EQ(reg.menu, &on_menu);
  EXPECT_EQ(reg.menu_button, GLUT_RIGHT_BUTTON);
  const std::vector<std::pair<std::string, int>> entries = {{"clear", 1},
                                                            {"reload", 5},
                                                            {"lagrange", 6},
                                                            {"bezier", 7},
                                                            {"RBF interpolation", 2},
                                                            {"subdivision", 3},
                                                            {"delete point", 8},
                                                            {"knot vectors", 9},
                                                            {"quit", 4}};
  EXPECT_EQ(reg.menu_entries, entries);
}

TEST_F(StartupTest, StartValuesOfTheState) {
  EXPECT_EQ(app.window_width, 800);
  EXPECT_EQ(app.window_height, 600);
  EXPECT_EQ(app.points.count, 0);
  EXPECT_EQ(app.saved.count, 0);
  EXPECT_EQ(app.selected, -1);
  EXPECT_EQ(app.hovered, -1);
  EXPECT_FALSE(app.dragging);
  EXPECT_EQ(app.curve_mode, CURVE_NONE);
  EXPECT_EQ(app.scheme, SCHEME_RBF4);
  EXPECT_EQ(app.stencil_size, 4);
  EXPECT_EQ(app.basis, BASIS_MQ1);
  EXPECT_EQ(app.pd, 1);
  EXPECT_EQ(app.r, 1.0);
  EXPECT_EQ(app.c, 1.0);
  EXPECT_EQ(app.w, 0.125);
  EXPECT_EQ(app.knot_spacing, 1.0);
  EXPECT_FALSE(app.stationary);
  EXPECT_FALSE(app.trace_on);
  EXPECT_FALSE(app.trace_file);
}

}  // namespace
