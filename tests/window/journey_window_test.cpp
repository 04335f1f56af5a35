// Whole sessions as a user has them: what they see (screenshots), read
// (console) and keep (files), from the first click to the exit status.

#include <gtest/gtest.h>

#include <string>

#include "window_helpers.h"

namespace {

using namespace window_test;

// The curve's own colour within 3 pixels of (x, y): the curve passes there.
bool curve_through(const Screenshot& shot, int x, int y) {
  return shot.count_around(x, y, 3, CURVE) > 0;
}

int count_lines(const std::string& text, const std::string& start) {
  int n = 0;
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = text.find('\n', at);
    if (text.compare(at, start.size(), start) == 0) ++n;
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return n;
}

// Shows a redisplayed picture without changing anything the drawing reads:
// "n" toggles the stationary mode of the RBF schemes and redraws.
Screenshot redisplay(WindowSession& session) {
  session.key("n");
  session.key("n");
  return session.wait_for_stable_picture();
}

TEST(Journey, PlacesDragsAndTunesEachCurve) {
  WindowSession session;
  const PointSet points = {{150, 400}, {280, 200}, {400, 380}, {520, 180}, {650, 400}};
  place(session, points);
  session.drag(400, 380, 400, 450);
  session.move(PARK_X, PARK_Y);
  const PointSet moved = {{150, 400}, {280, 200}, {400, 450}, {520, 180}, {650, 400}};
  Screenshot shot = session.wait_for_stable_picture();
  EXPECT_TRUE(filled_at(shot, 400, 450));
  EXPECT_TRUE(nothing_at(shot, 400, 380));

  session.choose_menu("lagrange", PARK_X, PARK_Y);
  session.move(PARK_X, PARK_Y);
  shot = session.wait_for_stable_picture();
  for (const auto& [x, y] : moved) EXPECT_TRUE(curve_through(shot, x, y)) << x << "," << y;

  session.choose_menu("bezier", PARK_X, PARK_Y);
  session.move(PARK_X, PARK_Y);
  shot = session.wait_for_stable_picture();
  EXPECT_TRUE(curve_through(shot, 150, 400));
  EXPECT_TRUE(curve_through(shot, 650, 400));
  EXPECT_FALSE(curve_through(shot, 280, 200));  // a Bezier curve only approaches its inner points

  session.choose_menu("RBF interpolation", PARK_X, PARK_Y);
  session.move(PARK_X, PARK_Y);
  shot = session.wait_for_stable_picture();
  for (const auto& [x, y] : moved) EXPECT_TRUE(curve_through(shot, x, y)) << x << "," << y;

  // Each parameter key re-solves: the curve changes shape but still interpolates.
  for (const char* key : {"period", "period", "l", "w", "b", "b", "q", "q", "comma"}) {
    SCOPED_TRACE(key);
    session.key(key);
    const Screenshot next = session.wait_for_stable_picture();
    EXPECT_NE(next.pixels, shot.pixels);
    for (const auto& [x, y] : moved) EXPECT_TRUE(curve_through(next, x, y)) << x << "," << y;
    shot = next;
  }
  EXPECT_TRUE(session.running());
}

// Three points (0, 0), (50, 100), (100, 0) scaled by 4 around the window's
// middle: the Lagrange curve's middle sample is the middle point, the Bezier
// curve's lies half way down to the chord.
TEST(Journey, EachCurveInItsColourThroughTheExpectedPixels) {
  WindowSession session;
  place(session, {{200, 400}, {400, 200}, {600, 400}});
  const auto show = [&session](const char* entry) {
    session.choose_menu(entry, PARK_X, PARK_Y);
    session.move(PARK_X, PARK_Y);
    return session.wait_for_stable_picture();
  };
  Screenshot shot = show("lagrange");
  EXPECT_TRUE(curve_through(shot, 400, 200));
  EXPECT_FALSE(curve_through(shot, 400, 300));
  shot = show("bezier");
  EXPECT_TRUE(curve_through(shot, 400, 300));
  EXPECT_FALSE(curve_through(shot, 400, 200));
  EXPECT_TRUE(curve_through(shot, 200, 400));
  EXPECT_TRUE(curve_through(shot, 600, 400));
  shot = show("RBF interpolation");
  for (const auto& [x, y] : PointSet{{200, 400}, {400, 200}, {600, 400}}) {
    EXPECT_TRUE(curve_through(shot, x, y)) << x << "," << y;
  }
  EXPECT_FALSE(curve_through(shot, 400, 300));
}

// A square of side 200 around (400, 300); each scheme's first inserted point
// after (300, 200) is the unit-square value of the scheme scaled by 2.
TEST(Journey, SubdividesWithEachSchemeAndReloads) {
  WindowSession session;
  const PointSet square = {{300, 200}, {500, 200}, {500, 400}, {300, 400}};
  place(session, square);
  const Screenshot original = session.wait_for_stable_picture();

  struct Scheme {
    const char* name;
    int a_presses;  // from the previous scheme
    Rgb level;
    int inserted_y;  // of the point inserted at x = 400 above the top side
  };
  const Scheme schemes[] = {{"RBF4", 0, RBF_LEVEL, 163},
                            {"RBF6", 1, RBF_LEVEL, -1},
                            {"NR4", 1, FOUR_POINT_LEVEL, 150},
                            {"D-D", 1, FOUR_POINT_LEVEL, 175}};
  for (const Scheme& scheme : schemes) {
    SCOPED_TRACE(scheme.name);
    for (int i = 0; i < scheme.a_presses; ++i) session.key("a");
    session.key("s");
    Screenshot frame = session.wait_for_stable_picture();
    EXPECT_GT(frame.count(PREVIOUS_LEVEL), 100);
    EXPECT_GT(frame.count(scheme.level), 100);

    Screenshot shot = redisplay(session);
    EXPECT_EQ(shot.count(scheme.level), 0);
    for (const auto& [x, y] : square) EXPECT_TRUE(filled_at(shot, x, y));
    if (scheme.inserted_y >= 0) {
      EXPECT_TRUE(filled_at(shot, 400, scheme.inserted_y));
    }
    const int one_level = shot.count(INK);

    session.key("s");
    shot = redisplay(session);
    for (const auto& [x, y] : square) EXPECT_TRUE(filled_at(shot, x, y));
    EXPECT_GT(shot.count(INK), one_level);

    session.key("d");
    EXPECT_EQ(session.wait_for_stable_picture().pixels, original.pixels);
  }
}

// The unit square scaled by 100 at (100, 100), with the start settings:
// the point inserted after the first one is (150, 81.5743).
TEST(Journey, TracesAnRbfStepToConsoleAndFile) {
  WindowSession session;
  place(session, {{100, 100}, {200, 100}, {200, 200}, {100, 200}});
  session.key("p");
  session.key("s");
  session.wait_for_stable_picture();
  session.key("p");
  ASSERT_TRUE(session.wait_for_output("  3 :"));
  ASSERT_TRUE(session.wait_for_output("\n\n", std::chrono::seconds(1)));

  const std::string file = session.read_file("debug.txt");
  const std::string console = session.console_output();
  // Per inserted point: 6 system rows, 6 inverse rows, one record.
  EXPECT_EQ(count_lines(file, "  0.000   0.000   1.000   1.000   1.000   1.000 "), 4);
  EXPECT_EQ(count_lines(console, "  0.000   0.000   1.000   1.000   1.000   1.000 "), 4);
  for (const char* index : {"  0 :", "  1 :", "  2 :", "  3 :"}) {
    EXPECT_EQ(count_lines(file, index), 1) << index;
    EXPECT_EQ(count_lines(console, index), 1) << index;
  }
  EXPECT_NE(file.find("(150.0000, 81.5743) 150.0000 81.5743 \n\n"), std::string::npos) << file;
  EXPECT_NE(console.find("150.0000 81.5743150.0000 81.5743 \n\n"), std::string::npos) << console;

  // The four-point schemes trace nothing; a new trace starts empty.
  session.key("a");
  session.key("a");
  session.key("p");
  session.key("s");
  session.wait_for_stable_picture();
  session.key("p");
  EXPECT_EQ(session.read_file("debug.txt"), "");
}

TEST(Journey, TypesParameterValuesOnTheConsole) {
  WindowSession session;
  const PointSet points = {{200, 400}, {400, 200}, {600, 400}};
  place(session, points);
  session.choose_menu("lagrange", PARK_X, PARK_Y);
  session.move(PARK_X, PARK_Y);
  const Screenshot uniform = session.wait_for_stable_picture();

  const std::string prompt = "please enter 3 increasing knots vectors : \n";
  const std::string error = "Error : please enter increasing knot vectors\n";
  session.choose_menu("knot vectors", PARK_X, PARK_Y);
  ASSERT_TRUE(session.wait_for_output(prompt));
  session.type_console("0 1 1 and the rest of the line\n");
  ASSERT_TRUE(session.wait_for_output(prompt + error));

  session.choose_menu("knot vectors", PARK_X, PARK_Y);
  session.type_console("abc\n");
  ASSERT_TRUE(session.wait_for_output(prompt + error + prompt + error));

  session.choose_menu("knot vectors", PARK_X, PARK_Y);
  session.type_console("0 1 5\n");
  session.move(PARK_X, PARK_Y);
  const Screenshot typed = session.wait_for_picture(
      [&](const Screenshot& shot) { return shot.pixels != uniform.pixels; });
  EXPECT_NE(typed.pixels, uniform.pixels);
  for (const auto& [x, y] : points) EXPECT_TRUE(curve_through(typed, x, y)) << x << "," << y;
  EXPECT_EQ(session.console_output().substr(session.console_output().find(prompt)),
            prompt + error + prompt + error + prompt);
}

TEST(Journey, DeletesClearsReloadsAndLeavesWithEscape) {
  WindowSession session;
  const PointSet points = {{200, 300}, {350, 150}, {500, 300}, {650, 150}};
  place(session, points);
  session.choose_menu("delete point", 350, 150);  // the pointer rests on the second point
  session.move(PARK_X, PARK_Y);
  Screenshot shot = session.wait_for_stable_picture();
  EXPECT_TRUE(nothing_at(shot, 350, 150));
  EXPECT_TRUE(filled_at(shot, 650, 150));

  session.key("c");
  shot = session.wait_for_stable_picture();
  EXPECT_EQ(shot.count(INK), 0);

  session.choose_menu("reload", PARK_X, PARK_Y);
  session.move(PARK_X, PARK_Y);
  shot = session.wait_for_stable_picture();
  EXPECT_EQ(shot.count(INK), 0);  // clear forgot the user's points too

  place(session, points);
  session.choose_menu("delete point", 500, 300);
  session.key("d");  // reload brings back the deleted point
  session.move(PARK_X, PARK_Y);
  shot = session.wait_for_stable_picture();
  for (const auto& [x, y] : points) EXPECT_TRUE(filled_at(shot, x, y)) << x << "," << y;

  session.key("Escape");
  EXPECT_EQ(session.wait_for_exit(), 255);
}

TEST(Journey, QuitKeepsTheTraceWrittenSoFar) {
  WindowSession session;
  place(session, {{300, 200}, {500, 200}, {500, 400}, {300, 400}});
  session.key("p");
  session.key("s");
  ASSERT_TRUE(session.wait_for_output("  3 :"));
  session.choose_menu("quit", PARK_X, PARK_Y);
  EXPECT_EQ(session.wait_for_exit(), 1);
  const std::string file = session.read_file("debug.txt");
  EXPECT_EQ(count_lines(file, "  3 :"), 1);
  EXPECT_EQ(file.substr(file.size() - 2), "\n\n");
}

}  // namespace
