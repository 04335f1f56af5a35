// Point editing, keys and menu entries in the real program.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "window_helpers.h"

namespace {

using namespace window_test;

const std::vector<std::pair<int, int>> TRIANGLE = {{200, 200}, {400, 100}, {600, 200}};

// ---------------------------------------------------------------------------
// Mouse

TEST(EditingWindow, ClicksAddFilledMarkersJoinedByAnOpenPolygon) {
  WindowSession session;
  place(session, {{200, 200}, {400, 200}, {400, 400}});
  const Screenshot shot = session.wait_for_stable_picture();
  EXPECT_TRUE(filled_at(shot, 200, 200));
  EXPECT_TRUE(filled_at(shot, 400, 200));
  EXPECT_TRUE(filled_at(shot, 400, 400));
  EXPECT_TRUE(line_near(shot, 300, 200));
  EXPECT_TRUE(line_near(shot, 400, 300));
  EXPECT_FALSE(line_near(shot, 300, 300));  // not closed
}

TEST(EditingWindow, HoveredMarkerIsAnOutline) {
  WindowSession session;
  place(session, {{300, 300}});
  EXPECT_TRUE(filled_at(session.wait_for_stable_picture(), 300, 300));
  session.move(302, 298);
  EXPECT_TRUE(outlined_at(session.wait_for_stable_picture(), 300, 300));
  session.move(303, 300);  // three pixels off: no longer over it
  EXPECT_TRUE(filled_at(session.wait_for_stable_picture(), 300, 300));
}

TEST(EditingWindow, PressOnAMarkerPicksItAndDragMovesItWithThePolygon) {
  WindowSession session;
  place(session, {{200, 200}, {400, 200}});
  session.drag(202, 201, 300, 350);
  session.move(PARK_X, PARK_Y);
  const Screenshot shot = session.wait_for_stable_picture();
  EXPECT_TRUE(nothing_at(shot, 200, 200));
  EXPECT_TRUE(filled_at(shot, 300, 350));
  EXPECT_TRUE(filled_at(shot, 400, 200));
  EXPECT_TRUE(line_near(shot, 350, 275));   // the polygon follows
  EXPECT_FALSE(line_near(shot, 300, 200));  // the old edge is gone
}

TEST(EditingWindow, DeletePointRemovesTheHoveredPointOnly) {
  WindowSession session;
  place(session, TRIANGLE);
  session.choose_menu("delete point", 700, 500);  // over no point: nothing goes
  session.move(PARK_X, PARK_Y);
  Screenshot shot = session.wait_for_stable_picture();
  for (const auto& [x, y] : TRIANGLE) EXPECT_TRUE(filled_at(shot, x, y));

  session.choose_menu("delete point", 400, 100);
  session.move(PARK_X, PARK_Y);
  shot = session.wait_for_stable_picture();
  EXPECT_TRUE(nothing_at(shot, 400, 100));
  EXPECT_TRUE(line_near(shot, 400, 200));  // first and last now joined
  EXPECT_TRUE(filled_at(shot, 200, 200));
  EXPECT_TRUE(filled_at(shot, 600, 200));
}

TEST(EditingWindow, ClearEmptiesTheWindowAndReloadBringsBackTheUsersPoints) {
  WindowSession session;
  place(session, TRIANGLE);
  session.choose_menu("delete point", 400, 100);
  session.key("d");  // reload restores the deleted point too
  session.move(PARK_X, PARK_Y);
  Screenshot shot = session.wait_for_stable_picture();
  for (const auto& [x, y] : TRIANGLE) EXPECT_TRUE(filled_at(shot, x, y));

  session.choose_menu("clear", PARK_X, PARK_Y);
  EXPECT_EQ(session.wait_for_stable_picture().count(INK), 0);
  session.choose_menu("reload", PARK_X, PARK_Y);  // nothing saved since the clear
  EXPECT_EQ(session.wait_for_stable_picture().count(INK), 0);

  place(session, {{100, 500}});
  session.key("c");
  EXPECT_EQ(session.wait_for_stable_picture().count(INK), 0);
}

// Keys arrive while the left button is held. Clearing or reloading ends the
// drag, so the rest of the gesture moves nothing.
TEST(EditingWindow, ClearOrReloadDuringADragEndsIt) {
  WindowSession session;
  place(session, TRIANGLE);
  session.press(400, 100);
  session.move(420, 130);
  session.key_while_dragging("c");
  session.move(450, 160);
  session.release(470, 180);
  session.move(PARK_X, PARK_Y);
  EXPECT_EQ(session.wait_for_stable_picture().count(INK), 0);

  place(session, TRIANGLE);
  session.press(400, 100);
  session.move(420, 130);
  session.key_while_dragging("d");
  session.move(450, 160);
  session.release(470, 180);
  session.move(PARK_X, PARK_Y);
  const Screenshot shot = session.wait_for_stable_picture();
  EXPECT_TRUE(filled_at(shot, 420, 130));  // where the last drag move saved it, not outlined
  EXPECT_TRUE(nothing_at(shot, 470, 180));
  EXPECT_TRUE(nothing_at(shot, 400, 100));
}

// ---------------------------------------------------------------------------
// Keys and menu

TEST(EditingWindow, ParameterKeysAndUnlistedKeysLeaveThePolygonAsItIs) {
  WindowSession session;
  place(session, TRIANGLE);
  const Screenshot before = session.wait_for_stable_picture();
  for (const char* k :
       {"comma", "less", "period", "greater", "k", "l", "h", "j", "q", "w", "b",    "n",
        "a",     "Q",    "W",      "R",       "S", "C", "D", "P", "x", "1", "space"})
    session.key(k);
  const Screenshot after = session.wait_for_stable_picture();
  EXPECT_EQ(after.pixels, before.pixels);
  EXPECT_TRUE(session.running());
  EXPECT_FALSE(session.file_exists("debug.txt"));  // "P" is not "p"
}

TEST(EditingWindow, TraceKeyOpensAndClosesAnEmptyDebugFile) {
  WindowSession session;
  session.key("p");
  ASSERT_TRUE(session.file_exists("debug.txt"));
  session.key("p");
  EXPECT_EQ(session.read_file("debug.txt"), "");
  EXPECT_TRUE(session.running());
}

TEST(EditingWindow, CurveEntriesDrawACurveAndSubdivisionTurnsItOff) {
  WindowSession session;
  place(session, {{150, 400}, {300, 150}, {500, 450}, {650, 200}});
  for (const std::string entry : {"lagrange", "bezier", "RBF interpolation", "r"}) {
    SCOPED_TRACE(entry);
    if (entry == "r") {
      session.choose_menu("lagrange", PARK_X, PARK_Y);
      session.key("r");
    } else {
      session.choose_menu(entry, PARK_X, PARK_Y);
    }
    session.move(PARK_X, PARK_Y);
    EXPECT_GT(session.wait_for_stable_picture().count(CURVE), 100);
  }
  session.key("s");
  session.key("h");  // a redisplay after the step's own frame
  EXPECT_EQ(session.wait_for_stable_picture().count(CURVE), 0);
}

// The step shows its own frame until the next redisplay. Closing the pop-up
// menu exposes the window and redraws it at once, so the frame is looked at
// after the key; the menu entry is seen by its refined polygon.
TEST(EditingWindow, SubdivisionDrawsTheSelectedSchemesFrame) {
  WindowSession session;
  const std::vector<std::pair<int, int>> square = {{200, 150}, {600, 150}, {600, 450}, {200, 450}};
  place(session, square);
  const int square_ink = session.wait_for_stable_picture().count(INK);
  session.key("s");
  Screenshot shot = session.wait_for_stable_picture();
  ASSERT_GT(shot.count(PREVIOUS_LEVEL), 0);
  EXPECT_GT(shot.count(RBF_LEVEL), 100);
  EXPECT_EQ(shot.count(FOUR_POINT_LEVEL), 0);

  session.key("a");
  session.key("a");  // NR4
  session.key("s");
  shot = session.wait_for_stable_picture();
  EXPECT_GT(shot.count(FOUR_POINT_LEVEL), 100);
  EXPECT_EQ(shot.count(RBF_LEVEL), 0);

  session.key("h");  // the next redisplay: markers, every old point kept
  shot = session.wait_for_stable_picture();
  EXPECT_EQ(shot.count(FOUR_POINT_LEVEL), 0);
  for (const auto& [x, y] : square) EXPECT_TRUE(filled_at(shot, x, y));
  const int refined_ink = shot.count(INK);
  EXPECT_GT(refined_ink, square_ink);

  session.choose_menu("subdivision", PARK_X, PARK_Y);
  session.move(PARK_X, PARK_Y);
  EXPECT_GT(session.wait_for_stable_picture().count(INK), refined_ink);
}

TEST(EditingWindow, KnotVectorsEntryAsksTheConsoleAndCarriesOn) {
  WindowSession session;
  place(session, TRIANGLE);
  session.choose_menu("knot vectors", PARK_X, PARK_Y);
  ASSERT_TRUE(session.wait_for_output("please enter 3 increasing knots vectors : \n"));
  session.type_console("0 1 5\n");
  place(session, {{300, 500}});
  EXPECT_TRUE(filled_at(session.wait_for_stable_picture(), 300, 500));
}

TEST(EditingWindow, EscapeEndsWithStatusMinusOne) {
  WindowSession session;
  place(session, TRIANGLE);
  session.key("Escape");
  EXPECT_EQ(session.wait_for_exit(), 255);
}

TEST(EditingWindow, QuitEndsWithStatusOne) {
  WindowSession session;
  session.choose_menu("quit");
  EXPECT_EQ(session.wait_for_exit(), 1);
}

}  // namespace
