#include <GL/glut.h>

#include <functional>
#include <string>
#include <tuple>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/point_editing.h"
#include "app/subdivision_step.h"
#include "app_fixture.h"
#include "solve_probe.h"

namespace {

// The settings the commands change, compared as one value so that a test sees
// every field a key touched, not only the one it expects.
struct Settings {
  double r, c, w;
  int pd;
  BasisKind basis;
  SchemeKind scheme;
  int stencil_size;
  bool stationary;
  CurveMode curve_mode;
  int points, saved, selected;
  double knot_spacing;
  bool trace_on;

  auto tied() const {
    return std::tie(r, c, w, pd, basis, scheme, stencil_size, stationary, curve_mode, points, saved,
                    selected, knot_spacing, trace_on);
  }
  bool operator==(const Settings& o) const { return tied() == o.tied(); }
};

Settings settings() {
  return {app.r,
          app.c,
          app.w,
          app.pd,
          app.basis,
          app.scheme,
          app.stencil_size,
          app.stationary,
          app.curve_mode,
          app.points.count,
          app.saved.count,
          app.selected,
          app.knot_spacing,
          app.trace_on};
}

void PrintTo(const Settings& s, std::ostream* os) {
  *os << "{r " << s.r << ", c " << s.c << ", w " << s.w << ", pd " << s.pd << ", basis " << s.basis
      << ", scheme " << s.scheme << ", stencil " << s.stencil_size << ", stationary "
      << s.stationary << ", curve " << s.curve_mode << ", points " << s.points << ", saved "
      << s.saved << ", selected " << s.selected << ", h " << s.knot_spacing << ", trace "
      << s.trace_on << "}";
}

class CommandsTest : public AppTest {
 protected:
  static int redisplays() { return gl_recorder::count_of("glutPostRedisplay"); }
  static void key(unsigned char k) { on_keyboard(k, 0, 0); }

  // Three user points with uniform parameter values: a regular RBF system.
  static void three_points() {
    for (int i = 0; i < 3; ++i) {
      add_point(100.0 * (i + 1), i == 1 ? 150.0 : 100.0);
      app.saved.items[i] = app.points.items[i];
      app.knots[i + 1] = i;
    }
    app.saved.count = 3;
  }
};

// ---------------------------------------------------------------------------
// Keys

struct KeyCase {
  unsigned char key;
  std::function<void(Settings&)> change;  // applied to the settings before the key
  int redisplays;
};

const std::vector<KeyCase>& key_cases() {
  static const std::vector<KeyCase> cases = {
      {',', [](Settings& s) { s.r -= PARAM_STEP; }, 1},
      {'<', [](Settings& s) { s.r -= PARAM_STEP; }, 1},
      {'.', [](Settings& s) { s.r += PARAM_STEP; }, 1},
      {'>', [](Settings& s) { s.r += PARAM_STEP; }, 1},
      {'k', [](Settings& s) { s.c -= PARAM_STEP; }, 1},
      {'l', [](Settings& s) { s.c += PARAM_STEP; }, 1},
      {'h', [](Settings& s) { s.w -= TENSION_STEP; }, 1},
      {'j', [](Settings& s) { s.w += TENSION_STEP; }, 1},
      {'q', [](Settings& s) { s.pd = 0; }, 1},
      {'w', [](Settings& s) { s.pd = 2; }, 1},  // the degree, not the tension
      {'b', [](Settings& s) { s.basis = BASIS_MQ3; }, 1},
      {'n', [](Settings& s) { s.stationary = true; }, 1},
      {'a', [](Settings& s) { s.scheme = SCHEME_RBF6, s.stencil_size = 6; }, 1},
      {'r', [](Settings& s) { s.curve_mode = CURVE_RBF; }, 1},  // the curve, not the parameter
      {'c', [](Settings& s) { s.points = 0, s.saved = 0, s.selected = -1; }, 1},
      {'d', [](Settings&) {}, 1},
      {'p', [](Settings& s) { s.trace_on = true; }, 0},
  };
  return cases;
}

TEST_F(CommandsTest, EachKeyMakesItsOneChangeAndRequestsItsRedisplays) {
  for (const KeyCase& c : key_cases()) {
    SCOPED_TRACE(std::string("key '") + static_cast<char>(c.key) + "'");
    app = AppState{};
    gl_recorder::reset();
    three_points();
    app.selected = 1;
    Settings expected = settings();
    c.change(expected);
    if (c.key == 'd') expected.selected = -1;
    key(c.key);
    EXPECT_EQ(settings(), expected);
    EXPECT_EQ(redisplays(), c.redisplays);
    if (app.trace_on) key('p');
  }
}

TEST_F(CommandsTest, KeysThatChangeTheInterpolantSolveIt) {
  for (const unsigned char k : {',', '<', '.', '>', 'k', 'l', 'q', 'w', 'b', 'd'}) {
    SCOPED_TRACE(std::string("key '") + static_cast<char>(k) + "'");
    app = AppState{};
    three_points();
    app.knots[2] = 0.5;  // reload ("d") must solve over the values it restores
    solve_probe::arm();
    key(k);
    EXPECT_TRUE(solve_probe::solved_current_state());
  }
}

TEST_F(CommandsTest, OtherKeysLeaveTheCoefficientsAlone) {
  for (const unsigned char k : {'h', 'j', 'n', 'a', 'r', 'c', 'p', 'p'}) {
    three_points();
    solve_probe::arm();
    key(k);
    EXPECT_TRUE(solve_probe::untouched()) << "key '" << k << "'";
  }
}

TEST_F(CommandsTest, UppercaseAndUnlistedKeysDoNothing) {
  const std::string listed = ",<.>klhjqwbnasrcdp";
  three_points();
  app.selected = 1;
  solve_probe::arm();
  const Settings before = settings();
  for (int k = 0; k < 256; ++k) {
    if (k == 27 || listed.find(static_cast<char>(k)) != std::string::npos) continue;
    key(static_cast<unsigned char>(k));
    ASSERT_EQ(settings(), before) << "key " << k;
  }
  EXPECT_EQ(gl_recorder::call_count(), 0);
  EXPECT_TRUE(solve_probe::untouched());
}

TEST_F(CommandsTest, ParameterStepsAreRepeatedSingleAdditions) {
  double r = app.r;
  for (int i = 0; i < 20; ++i) {
    key('.');
    r += 0.05;
  }
  EXPECT_EQ(app.r, r);
  ASSERT_NE(r, 1.0 + 20 * 0.05);  // the two readings differ in the last bit

  double c = app.c;
  for (int i = 0; i < 20; ++i) {
    key('l');
    c += 0.05;
  }
  for (int i = 0; i < 3; ++i) {
    key('k');
    c -= 0.05;
  }
  EXPECT_EQ(app.c, c);
  ASSERT_NE(c, 1.0 + 17 * 0.05);

  double w = app.w;
  for (int i = 0; i < 20; ++i) {
    key('j');
    w += 0.001;
  }
  EXPECT_EQ(app.w, w);
  ASSERT_NE(w, 0.125 + 20 * 0.001);

  // No bounds: twenty-one steps down take r past zero.
  app.r = 1.0;
  r = 1.0;
  for (int i = 0; i < 21; ++i) {
    key(i % 2 == 0 ? ',' : '<');
    r -= 0.05;
  }
  EXPECT_EQ(app.r, r);
  EXPECT_LT(app.r, 0.0);
}

TEST_F(CommandsTest, DegreeStopsAtZeroGoingDownAndHasNoBoundGoingUp) {
  key('q');
  EXPECT_EQ(app.pd, 0);
  key('q');
  EXPECT_EQ(app.pd, 0);
  EXPECT_EQ(redisplays(), 2);  // also when it was already 0
  for (int i = 0; i < 400; ++i) key('w');
  EXPECT_EQ(app.pd, 400);
  EXPECT_EQ(app.w, 0.125);
}

TEST_F(CommandsTest, DegreeKeyAtZeroStillSolves) {
  three_points();
  app.pd = 0;
  solve_probe::arm();
  key('q');
  EXPECT_EQ(app.pd, 0);
  EXPECT_TRUE(solve_probe::solved_current_state());
}

TEST_F(CommandsTest, BasisAndSchemeKeysCycle) {
  const BasisKind bases[] = {BASIS_MQ3, BASIS_GS, BASIS_MQ1};
  for (const BasisKind b : bases) {
    key('b');
    EXPECT_EQ(app.basis, b);
  }
  const std::pair<SchemeKind, int> schemes[] = {
      {SCHEME_RBF6, 6}, {SCHEME_NR4, 6}, {SCHEME_DD, 6}, {SCHEME_RBF4, 4}, {SCHEME_RBF6, 6}};
  for (const auto& [scheme, stencil] : schemes) {
    key('a');
    EXPECT_EQ(app.scheme, scheme);
    EXPECT_EQ(app.stencil_size, stencil);
  }
}

TEST_F(CommandsTest, EscapeExitsWithMinusOne) {
  EXPECT_EXIT(key(27), ::testing::ExitedWithCode(255), "");
}

// ---------------------------------------------------------------------------
// Menu

TEST_F(CommandsTest, CurveEntriesSetTheModeAndRedrawWithoutSolving) {
  const std::pair<int, CurveMode> entries[] = {
      {MENU_RBF, CURVE_RBF}, {MENU_LAGRANGE, CURVE_LAGRANGE}, {MENU_BEZIER, CURVE_BEZIER}};
  three_points();
  for (const auto& [id, mode] : entries) {
    solve_probe::arm();
    gl_recorder::reset();
    on_menu(id);
    EXPECT_EQ(app.curve_mode, mode);
    EXPECT_EQ(redisplays(), 1);
    EXPECT_TRUE(solve_probe::untouched()) << "menu " << id;
  }
}

TEST_F(CommandsTest, ListEntriesEachRequestOneRedisplay) {
  three_points();
  app.selected = 0;
  on_menu(MENU_DELETE_POINT);
  EXPECT_EQ(app.points.count, 2);
  EXPECT_EQ(redisplays(), 1);
  on_menu(MENU_DELETE_POINT);  // nothing selected: deletes nothing, still redraws
  EXPECT_EQ(app.points.count, 2);
  EXPECT_EQ(redisplays(), 2);
  on_menu(MENU_RELOAD);
  EXPECT_EQ(app.points.count, 3);
  EXPECT_EQ(redisplays(), 3);
  on_menu(MENU_CLEAR);
  EXPECT_EQ(app.points.count, 0);
  EXPECT_EQ(app.saved.count, 0);
  EXPECT_EQ(redisplays(), 4);
  on_menu(MENU_RELOAD);  // nothing saved: no redraw
  EXPECT_EQ(redisplays(), 4);
}

TEST_F(CommandsTest, KnotEntryRedrawsWithoutSolving) {
  solve_probe::arm();
  testing::internal::CaptureStdout();
  on_menu(MENU_KNOT_VECTORS);  // no points: nothing is read from the console
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(redisplays(), 1);
  EXPECT_TRUE(solve_probe::untouched());
}

TEST_F(CommandsTest, UnknownMenuIdsDoNothing) {
  three_points();
  const Settings before = settings();
  for (const int id : {0, -1, 10, 27, 100}) on_menu(id);
  EXPECT_EQ(settings(), before);
  EXPECT_EQ(gl_recorder::call_count(), 0);
}

TEST_F(CommandsTest, QuitExitsWithOne) {
  EXPECT_EXIT(on_menu(MENU_QUIT), ::testing::ExitedWithCode(1), "");
}

// ---------------------------------------------------------------------------
// Subdivision command

TEST_F(CommandsTest, SubdivisionTurnsTheCurveOffAndLeavesTheRedrawToTheStep) {
  three_points();
  app.curve_mode = CURVE_LAGRANGE;
  on_menu(MENU_SUBDIVISION);
  EXPECT_EQ(app.curve_mode, CURVE_NONE);
  EXPECT_EQ(redisplays(), 0);
}

TEST_F(CommandsTest, SubdivisionEndsADragAndForgetsThePickedPoint) {
  three_points();
  on_mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 150);
  ASSERT_TRUE(app.dragging);
  key('s');
  EXPECT_FALSE(app.dragging);
  EXPECT_EQ(app.selected, -1);
  EXPECT_EQ(app.points.items[1].highlight, 0.0);
  const int count = app.points.count;
  const Point entry = app.points.items[1];
  on_motion(250, 250);
  on_mouse(GLUT_LEFT_BUTTON, GLUT_UP, 260, 260);
  EXPECT_EQ(app.points.items[1].x, entry.x);
  EXPECT_EQ(app.points.items[1].y, entry.y);
  on_menu(MENU_DELETE_POINT);
  EXPECT_EQ(app.points.count, count);
}

TEST_F(CommandsTest, RefusedSubdivisionChangesNothingButTheCurve) {
  for (int i = 0; i < 251; ++i) {  // 251 clicks: one step would pass 500 points
    const int x = 2 + 3 * (i % 250);
    const int y = 10 + 20 * (i / 250);
    on_mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
    on_mouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
  }
  on_mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 11, 10);  // picks point 3 and drags it
  ASSERT_EQ(app.selected, 3);
  app.curve_mode = CURVE_BEZIER;
  Settings expected = settings();
  expected.curve_mode = CURVE_NONE;
  gl_recorder::reset();
  key('s');
  EXPECT_EQ(settings(), expected);
  EXPECT_TRUE(app.dragging);
  EXPECT_EQ(app.points.items[3].highlight, 1.0);
  EXPECT_TRUE(gl_recorder::calls().empty());
}

TEST_F(CommandsTest, HoverThenReplaceTheListThenDeleteRemovesNothing) {
  for (const unsigned char k : {'s', 'd'}) {
    SCOPED_TRACE(std::string("key '") + static_cast<char>(k) + "'");
    app = AppState{};
    three_points();
    on_passive_motion(200, 150);
    ASSERT_EQ(app.selected, 1);
    key(k);
    const int count = app.points.count;
    on_menu(MENU_DELETE_POINT);
    EXPECT_EQ(app.points.count, count);
  }
}

// The steps themselves are built elsewhere; what each is bound to do whatever
// its arithmetic: every step halves the knot spacing and draws the new level in
// its scheme's colour; the RBF steps trace systems of s + pd + 1 unknowns for
// stencils of s points; only NR4 reads the tension w.
struct StepRun {
  bool ran;
  gl_recorder::Rgb level_colour;
  int traced_stencil_size;  // 0 when nothing was traced
  Point inserted;
};

// s of the first system traced: its first line has s + pd + 1 entries of "%7.3f ".
int traced_stencil_size(const std::string& trace) {
  if (trace.empty()) return 0;
  const std::size_t first_line = trace.find('\n');
  return static_cast<int>(first_line / std::string("  0.000 ").size()) - (app.pd + 1);
}

StepRun run_step(SchemeKind scheme, int stencil_size, double w) {
  app = AppState{};
  gl_recorder::reset();
  const double square[4][2] = {{100, 100}, {200, 100}, {200, 200}, {100, 200}};
  for (int i = 0; i < 4; ++i) {
    app.points.items[i].x = square[i][0];
    app.points.items[i].y = square[i][1];
    app.knots[i + 1] = i;
  }
  app.points.count = 4;
  app.scheme = scheme;
  app.stencil_size = stencil_size;
  app.w = w;
  app.trace_on = true;  // to the console alone: no trace file is open
  ::testing::internal::CaptureStdout();
  on_menu(MENU_SUBDIVISION);
  const std::string trace = ::testing::internal::GetCapturedStdout();

  StepRun run{app.knot_spacing == 0.5, {}, traced_stencil_size(trace), app.points.items[1]};
  const auto prims = gl_recorder::primitives();
  if (!prims.empty()) run.level_colour = prims.back().colour;
  return run;
}

constexpr gl_recorder::Rgb rgb(const Colour& c) {
  return {c.red, c.green, c.blue};
}

TEST_F(CommandsTest, SubdivisionRunsTheRbfStepWithTheStencilSize) {
  const StepRun rbf4 = run_step(SCHEME_RBF4, 4, 0.125);
  ASSERT_TRUE(rbf4.ran);
  EXPECT_EQ(rbf4.level_colour, rgb(RBF_LEVEL_COLOUR));
  EXPECT_EQ(rbf4.traced_stencil_size, 4);
  const StepRun rbf6 = run_step(SCHEME_RBF6, 6, 0.125);
  EXPECT_EQ(rbf6.level_colour, rgb(RBF_LEVEL_COLOUR));
  EXPECT_EQ(rbf6.traced_stencil_size, 6);
}

TEST_F(CommandsTest, SubdivisionRunsNr4WithTheTensionAndDdWithout) {
  const StepRun nr4 = run_step(SCHEME_NR4, 4, 0.125);
  ASSERT_TRUE(nr4.ran);
  EXPECT_EQ(nr4.level_colour, rgb(FOUR_POINT_LEVEL_COLOUR));
  EXPECT_EQ(nr4.traced_stencil_size, 0);
  const StepRun nr4_slack = run_step(SCHEME_NR4, 4, 0.0);
  EXPECT_NE(nr4.inserted.y, nr4_slack.inserted.y);

  const StepRun dd = run_step(SCHEME_DD, 6, 0.125);
  ASSERT_TRUE(dd.ran);
  EXPECT_EQ(dd.level_colour, rgb(FOUR_POINT_LEVEL_COLOUR));
  EXPECT_EQ(dd.traced_stencil_size, 0);
  const StepRun dd_slack = run_step(SCHEME_DD, 6, 0.0);
  EXPECT_EQ(dd.inserted.x, dd_slack.inserted.x);
  EXPECT_EQ(dd.inserted.y, dd_slack.inserted.y);
}

}  // namespace
