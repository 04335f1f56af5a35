// The tables the program keeps between events (the RBF inverse and the
// weights of the curve on screen) against the plain formulas: after every
// kind of event that changes an input of a table, the drawn vertices of each
// curve and the RBF coefficients must have the bits of the curve computed
// from scratch. A table kept under a key that misses one input goes stale at
// the event that changes only that input, and its curve then differs.

#include <GL/gl.h>
#include <GL/glut.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/knots.h"
#include "app/point_editing.h"
#include "app/scene.h"
#include "app_fixture.h"
#include "curve_strip_checks.h"
#include "curves/curve_sampling.h"
#include "reference/plain_curves.h"
#include "reference/plain_rbf_solve.h"

namespace {

using namespace curve_checks;
using namespace reference;

// Whether an event solves the RBF system, as the program documents it.
enum class Solves { NO, YES };

class KeptTables : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    on_reshape(INITIAL_WINDOW_WIDTH, INITIAL_WINDOW_HEIGHT);
  }

  // Runs one event, then checks the coefficients and the redisplay.
  void step(const std::string& what, const std::function<void()>& event, Solves solves) {
    SCOPED_TRACE(what + " (" + std::to_string(app.points.count) + " points)");
    event();
    if (solves == Solves::YES) expect_solved_from_scratch();
    EXPECT_EQ(std::memcmp(&app.rbf_coefficients, &expected_, sizeof expected_), 0)
        << "coefficients differ from the plain solve";
    EXPECT_EQ(app.rbf_coefficients_valid, expected_valid_);
    expect_redisplay_is_plain();
  }

  static void click(int x, int y) {
    on_mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
    on_mouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
  }

  static void type_knots(const char* line) {
    std::FILE* in = fmemopen(const_cast<char*>(line), std::strlen(line), "r");
    std::FILE* out = std::fopen("/dev/null", "w");
    ASSERT_NE(in, nullptr);
    ASSERT_NE(out, nullptr);
    EXPECT_TRUE(read_knot_values(in, out));
    std::fclose(in);
    std::fclose(out);
  }

  static void delete_point_at(int x, int y) {
    on_passive_motion(x, y);
    on_menu(MENU_DELETE_POINT);
  }

  // Every kind of event that changes an input of a kept table, with the curve
  // of `menu_entry` on screen (a subdivision step turns it off; it is shown
  // again at once, which solves nothing).
  void run_session(int menu_entry) {
    const auto show = [menu_entry] { on_menu(menu_entry); };
    step("show the curve", show, Solves::NO);
    const int placed[][2] = {{100, 300}, {180, 220}, {260, 330}, {340, 200},
                             {420, 360}, {500, 250}, {580, 310}};
    for (const auto& p : placed)
      step(
          "add a point", [&] { click(p[0], p[1]); }, Solves::YES);
    step(
        "press on a point", [] { on_mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 260, 330); }, Solves::NO);
    step(
        "drag", [] { on_motion(265, 340); }, Solves::YES);
    step(
        "drag", [] { on_motion(270, 352); }, Solves::YES);
    step(
        "release", [] { on_mouse(GLUT_LEFT_BUTTON, GLUT_UP, 271, 353); }, Solves::YES);
    step(
        "typed parameter values", [] { type_knots("0 0.5 2 2.25 4 5 7.5\n"); }, Solves::NO);
    step(
        "drag after typed values",
        [] {
          on_mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 180, 220);
          on_motion(182, 224);
        },
        Solves::YES);
    step(
        "release", [] { on_mouse(GLUT_LEFT_BUTTON, GLUT_UP, 182, 224); }, Solves::YES);
    for (const char key : std::string(",<.>kllqwwbbb"))
      step(
          std::string("key ") + key, [key] { on_keyboard(static_cast<unsigned char>(key), 0, 0); },
          Solves::YES);
    step(
        "add a point", [] { click(640, 200); }, Solves::YES);
    step(
        "delete the last point", [] { delete_point_at(640, 200); }, Solves::NO);
    step(
        "delete a middle point", [] { delete_point_at(340, 200); }, Solves::NO);
    step(
        "resize", [] { on_reshape(640, 480); }, Solves::NO);
    step(
        "drag after deletions",
        [] {
          on_mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 300);
          on_motion(104, 296);
          on_mouse(GLUT_LEFT_BUTTON, GLUT_UP, 104, 296);
        },
        Solves::YES);
    step(
        "stationary mode", [] { on_keyboard('n', 0, 0); }, Solves::NO);
    for (int level = 0; level < 2; ++level) {
      step(
          "subdivision", [] { on_keyboard('s', 0, 0); }, Solves::YES);
      step("show the curve again", show, Solves::NO);
    }
    step(
        "reload", [] { on_keyboard('d', 0, 0); }, Solves::YES);
    step(
        "clear", [] { on_keyboard('c', 0, 0); }, Solves::NO);
    for (int i = 0; i < 3; ++i)
      step(
          "add a point after clear", [i] { click(150 + 90 * i, 250 + 40 * i); }, Solves::YES);
    // Off only between a step and its showing again, after the clear, and (the
    // RBF curve) while a single point makes its system singular.
    EXPECT_GE(curves_drawn_, 35);
  }

 private:
  static std::vector<double> knots() {
    return std::vector<double>(app.knots.begin() + 1, app.knots.begin() + 1 + app.points.count);
  }

  static std::vector<Point> points() {
    return std::vector<Point>(app.points.items.begin(),
                              app.points.items.begin() + app.points.count);
  }

  // What a solve from scratch leaves: the plain coefficients, or on failure the
  // table as it was and no curve; nothing at all above MAX_CURVE_POINTS.
  void expect_solved_from_scratch() {
    const int count = app.points.count;
    if (count > MAX_CURVE_POINTS) return;
    if (app.pd > MAX_POINTS - 1 - count) {
      expected_valid_ = false;
      return;
    }
    expected_valid_ = plain_rbf_solve(expected_) == 1;
  }

  // The redisplay's curve strip against the plain samples of the state.
  void expect_redisplay_is_plain() {
    gl_recorder::reset();
    on_display();
    std::vector<Vertex> drawn;
    for (const Primitive& p : gl_recorder::primitives())
      if (p.mode == GL_LINE_STRIP && p.colour == gl_recorder::Rgb{CURVE_LINE_COLOUR.red, 0, 0})
        drawn = p.vertices;
    const int count = app.points.count;
    CurveSamples plain;
    if (count >= 1 && count <= MAX_CURVE_POINTS) {
      switch (app.curve_mode) {
        case CURVE_LAGRANGE: plain = plain_lagrange_samples(points(), knots()); break;
        case CURVE_BEZIER: plain = plain_bezier_samples(points()); break;
        case CURVE_RBF:
          if (app.rbf_coefficients_valid && app.pd <= MAX_POINTS - 1 - count)
            plain = plain_rbf_samples(app.rbf_coefficients, knots());
          break;
        case CURVE_NONE: break;
      }
    }
    if (!curvix::samples_finite(plain.data(), static_cast<int>(plain.size()))) plain.clear();
    expect_drawn(drawn, plain);
    if (!plain.empty()) ++curves_drawn_;
  }

  RbfCoefficientTable expected_{};
  int curves_drawn_ = 0;
  bool expected_valid_ = false;
};

TEST_F(KeptTables, LagrangeCurveAfterEveryKindOfEventIsThePlainCurve) {
  run_session(MENU_LAGRANGE);
}

TEST_F(KeptTables, BezierCurveAfterEveryKindOfEventIsThePlainCurve) {
  run_session(MENU_BEZIER);
}

TEST_F(KeptTables, RbfCurveAndCoefficientsAfterEveryKindOfEventAreThePlainOnes) {
  run_session(MENU_RBF);
}

// The kept tables are shared by every curve and survive a change of curve:
// switching back and forth between curves over the same points must never
// hand one curve another's weights.
TEST_F(KeptTables, SwitchingCurvesNeverReusesAnotherCurvesWeights) {
  for (int i = 0; i < 5; ++i)
    step(
        "add a point", [i] { click(120 + 110 * i, 200 + 60 * (i % 2)); }, Solves::YES);
  for (const int entry :
       {MENU_LAGRANGE, MENU_BEZIER, MENU_RBF, MENU_LAGRANGE, MENU_RBF, MENU_BEZIER})
    step(
        "switch curves", [entry] { on_menu(entry); }, Solves::NO);
}

}  // namespace
