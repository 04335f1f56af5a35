#include <GL/glut.h>

#include "app/app_state.h"
#include "app/commands.h"
#include "app/point_editing.h"
#include "app_fixture.h"
#include "solve_probe.h"

namespace {

class PointEditingTest : public AppTest {
 protected:
  static int redisplays() { return gl_recorder::count_of("glutPostRedisplay"); }

  static void press(int x, int y) { on_mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y); }
  static void release(int x, int y) { on_mouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y); }
  static void click(int x, int y) {
    press(x, y);
    release(x, y);
  }

  static const Point& point(int i) { return app.points.items[i]; }
  static const Point& saved(int i) { return app.saved.items[i]; }

  // Places a point in both lists as a finished click would, with its uniform parameter value.
  static void place_user_point(double x, double y) {
    const int k = app.points.count;
    add_point(x, y);
    app.saved.items[k].x = x;
    app.saved.items[k].y = y;
    app.saved.count = k + 1;
    app.knots[k + 1] = k * app.knot_spacing;
  }
};

void expect_at(const Point& p, double x, double y) {
  EXPECT_EQ(p.x, x);
  EXPECT_EQ(p.y, y);
}

// ---------------------------------------------------------------------------
// Picking

TEST_F(PointEditingTest, PickSquareTakesTwoPixelsAndRefusesThree) {
  add_point(100, 100);
  for (int dx = -2; dx <= 2; ++dx)
    for (int dy = -2; dy <= 2; ++dy)
      EXPECT_EQ(pick_point(100 + dx, 100 + dy), 0) << "offset " << dx << ", " << dy;
  const int misses[][2] = {{3, 0}, {-3, 0}, {0, 3}, {0, -3}, {3, 2}, {2, -3}, {-3, -3}};
  for (const auto& m : misses)
    EXPECT_EQ(pick_point(100 + m[0], 100 + m[1]), -1) << "offset " << m[0] << ", " << m[1];
}

TEST_F(PointEditingTest, PickComparesInDoubleOnTheStoredY) {
  add_point(10.5, 20.5);              // a refined point need not sit on a pixel
  EXPECT_EQ(pick_point(13, 23), 0);   // 13 < 13.5
  EXPECT_EQ(pick_point(8, 18), 0);    // 7.5 < 8
  EXPECT_EQ(pick_point(7, 20), -1);   // 7.5 < 7 fails
  EXPECT_EQ(pick_point(10, 24), -1);  // 24 < 23.5 fails
  // y is compared unflipped: the window-up position of the point is not a hit.
  EXPECT_EQ(pick_point(10, app.window_height - 20), -1);
}

TEST_F(PointEditingTest, PickTakesLowestIndexAndOnlyCurrentPoints) {
  add_point(100, 100);
  add_point(102, 101);
  add_point(300, 300);
  EXPECT_EQ(pick_point(101, 100), 0);
  EXPECT_EQ(pick_point(104, 101), 1);  // outside the first square, inside the second
  app.points.count = 2;                // entry 2 is stale now
  EXPECT_EQ(pick_point(300, 300), -1);
  app.points.count = 0;
  EXPECT_EQ(pick_point(100, 100), -1);
}

// ---------------------------------------------------------------------------
// Press, drag and release

TEST_F(PointEditingTest, PressOnEmptySpaceAppendsAndDragsTheNewPoint) {
  app.knot_spacing = 0.25;
  place_user_point(10, 10);
  place_user_point(50, 10);
  app.saved.items[2] = Point{7, 8, 0, 0};

  press(300, 40);
  EXPECT_EQ(app.points.count, 3);
  EXPECT_EQ(app.saved.count, 3);
  expect_at(point(2), 300, 40);
  expect_at(saved(2), 7, 8);  // written by the drag, not by the press
  EXPECT_EQ(app.knots[3], 2 * 0.25);
  EXPECT_EQ(app.selected, 2);
  EXPECT_EQ(point(2).highlight, 1.0);
  EXPECT_TRUE(app.dragging);
  EXPECT_EQ(redisplays(), 1);

  on_motion(310, 45);
  expect_at(point(2), 310, 45);
  expect_at(saved(2), 310, 45);
  EXPECT_EQ(point(2).highlight, 1.0);
  EXPECT_EQ(redisplays(), 2);

  release(320, 50);
  expect_at(point(2), 320, 50);
  expect_at(saved(2), 320, 50);
  EXPECT_EQ(point(2).highlight, 0.0);
  EXPECT_FALSE(app.dragging);
  EXPECT_EQ(app.selected, 2);
  EXPECT_EQ(redisplays(), 3);
  expect_at(point(0), 10, 10);
  expect_at(point(1), 50, 10);
}

TEST_F(PointEditingTest, PressOnPointPicksItAndReleaseSnapsItToThePointer) {
  place_user_point(100, 100);
  place_user_point(200, 100);
  press(202, 101);
  EXPECT_EQ(app.points.count, 2);
  EXPECT_EQ(app.saved.count, 2);
  EXPECT_EQ(app.selected, 1);
  expect_at(point(1), 200, 100);  // the press does not move it
  EXPECT_EQ(point(1).highlight, 1.0);
  release(201, 99);  // no motion in between
  expect_at(point(1), 201, 99);
  expect_at(saved(1), 201, 99);
  EXPECT_EQ(point(1).highlight, 0.0);
}

TEST_F(PointEditingTest, FullListPressMovesTheLastPointAndKeepsBothCounts) {
  app.knot_spacing = 0.5;
  for (int i = 0; i < MAX_POINTS; ++i) place_user_point(10 + i % 100, 10 + i / 100);
  press(700, 500);
  EXPECT_EQ(app.points.count, MAX_POINTS);
  EXPECT_EQ(app.saved.count, MAX_POINTS);
  EXPECT_EQ(app.selected, MAX_POINTS - 1);
  expect_at(point(MAX_POINTS - 1), 700, 500);
  expect_at(point(MAX_POINTS - 2), 10 + 98, 10 + 4);
  EXPECT_EQ(app.knots[MAX_POINTS], (MAX_POINTS - 1) * 0.5);
  EXPECT_EQ(point(MAX_POINTS - 1).highlight, 1.0);
  release(700, 500);
  expect_at(saved(MAX_POINTS - 1), 700, 500);
}

TEST_F(PointEditingTest, SavedCountNeverPassesTheCapacity) {
  for (int i = 0; i < MAX_POINTS - 1; ++i) add_point(10, 10);
  app.saved.count = MAX_POINTS;  // one point was deleted since the last clear
  press(700, 500);
  EXPECT_EQ(app.points.count, MAX_POINTS);
  EXPECT_EQ(app.saved.count, MAX_POINTS);
  EXPECT_EQ(app.selected, MAX_POINTS - 1);
}

TEST_F(PointEditingTest, OtherButtonsAndEventsOutsideADragChangeNothing) {
  place_user_point(100, 100);
  on_mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 300, 300);
  on_mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 100, 100);
  on_mouse(GLUT_MIDDLE_BUTTON, GLUT_UP, 100, 100);
  release(300, 300);
  on_motion(300, 300);
  EXPECT_EQ(gl_recorder::call_count(), 0);
  EXPECT_EQ(app.points.count, 1);
  expect_at(point(0), 100, 100);
  EXPECT_EQ(app.selected, -1);
  EXPECT_FALSE(app.dragging);
}

// ---------------------------------------------------------------------------
// Hover

TEST_F(PointEditingTest, HoverHighlightsAndRedrawsOnlyWhenThePointerChangesPoint) {
  add_point(100, 100);
  add_point(200, 100);
  on_passive_motion(101, 100);
  EXPECT_EQ(app.selected, 0);
  EXPECT_EQ(app.hovered, 0);
  EXPECT_EQ(point(0).highlight, 1.0);
  EXPECT_EQ(redisplays(), 1);

  on_passive_motion(99, 102);  // same point, another pixel
  EXPECT_EQ(redisplays(), 1);

  on_passive_motion(200, 98);
  EXPECT_EQ(point(0).highlight, 0.0);
  EXPECT_EQ(point(1).highlight, 1.0);
  EXPECT_EQ(app.hovered, 1);
  EXPECT_EQ(redisplays(), 2);

  on_passive_motion(400, 400);
  EXPECT_EQ(point(1).highlight, 0.0);
  EXPECT_EQ(app.selected, -1);
  EXPECT_EQ(app.hovered, -1);
  EXPECT_EQ(redisplays(), 3);

  on_passive_motion(401, 400);
  EXPECT_EQ(redisplays(), 3);
  EXPECT_EQ(gl_recorder::call_count(), 3);
}

TEST_F(PointEditingTest, DraggedPointStaysFilledUntilThePointerLeavesAndReturns) {
  place_user_point(100, 100);
  on_passive_motion(100, 100);
  press(100, 100);
  on_motion(150, 150);
  release(150, 150);
  EXPECT_EQ(point(0).highlight, 0.0);
  EXPECT_EQ(app.hovered, 0);

  on_passive_motion(150, 151);
  EXPECT_EQ(point(0).highlight, 0.0);
  const int before = redisplays();
  on_passive_motion(400, 400);
  on_passive_motion(150, 150);
  EXPECT_EQ(point(0).highlight, 1.0);
  EXPECT_EQ(redisplays(), before + 2);
}

TEST_F(PointEditingTest, PointAddedByAPressIsHighlightedByTheFirstHoverOverIt) {
  click(300, 300);
  EXPECT_EQ(point(0).highlight, 0.0);
  on_passive_motion(300, 300);
  EXPECT_EQ(point(0).highlight, 1.0);
  EXPECT_EQ(app.hovered, 0);
}

// ---------------------------------------------------------------------------
// Delete

TEST_F(PointEditingTest, DeleteShiftsTheFollowingPointsAndLeavesTheRestAlone) {
  for (int i = 0; i < 4; ++i) {
    place_user_point(100 + 10 * i, 100);
    app.points.items[i].highlight = i == 2 ? 1.0 : 0.0;
    app.points.items[i].reserved = 50.0 + i;
  }
  app.selected = 1;
  app.hovered = 2;
  solve_probe::arm();
  delete_selected_point();

  EXPECT_EQ(app.points.count, 3);
  expect_at(point(0), 100, 100);
  expect_at(point(1), 120, 100);
  expect_at(point(2), 130, 100);
  EXPECT_EQ(point(1).highlight, 1.0);  // travels with its point
  EXPECT_EQ(point(2).highlight, 0.0);
  EXPECT_EQ(point(1).reserved, 51.0);  // not copied
  EXPECT_EQ(app.selected, -1);
  EXPECT_EQ(app.hovered, 2);
  EXPECT_EQ(app.saved.count, 4);
  expect_at(saved(1), 110, 100);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(app.knots[i + 1], i);
  EXPECT_TRUE(solve_probe::untouched());
  EXPECT_EQ(gl_recorder::call_count(), 0);  // the menu asks for the redraw
}

TEST_F(PointEditingTest, DeleteOfTheLastPointOnlyShortensTheList) {
  for (int i = 0; i < 3; ++i) place_user_point(100 + 10 * i, 100);
  app.selected = 2;
  delete_selected_point();
  EXPECT_EQ(app.points.count, 2);
  expect_at(point(0), 100, 100);
  expect_at(point(1), 110, 100);
  expect_at(point(2), 120, 100);  // stale, untouched
}

TEST_F(PointEditingTest, DeleteActsOnlyOnAnIndexThatNamesACurrentPoint) {
  for (int i = 0; i < 3; ++i) place_user_point(100 + 10 * i, 100);
  for (const int stale : {-1, -5, 3, 7, MAX_POINTS}) {
    app.selected = stale;
    delete_selected_point();
    EXPECT_EQ(app.points.count, 3) << "selected " << stale;
  }
  app.points.count = 0;
  app.selected = 0;
  delete_selected_point();
  EXPECT_EQ(app.points.count, 0);
}

// ---------------------------------------------------------------------------
// Clear and reload

TEST_F(PointEditingTest, ClearEmptiesBothListsAndKeepsSettingsAndContents) {
  for (int i = 0; i < 3; ++i) place_user_point(100 + 10 * i, 100);
  app.knot_spacing = 0.125;
  app.curve_mode = CURVE_BEZIER;
  app.r = 0.5;
  app.c = 2.0;
  app.w = 0.1;
  app.pd = 3;
  app.hovered = 1;
  app.selected = 1;
  clear_points();
  EXPECT_EQ(app.points.count, 0);
  EXPECT_EQ(app.saved.count, 0);
  EXPECT_EQ(app.knot_spacing, 1.0);
  EXPECT_EQ(redisplays(), 1);
  EXPECT_EQ(app.curve_mode, CURVE_BEZIER);
  EXPECT_EQ(app.r, 0.5);
  EXPECT_EQ(app.c, 2.0);
  EXPECT_EQ(app.w, 0.1);
  EXPECT_EQ(app.pd, 3);
  EXPECT_EQ(app.hovered, 1);
  EXPECT_EQ(app.selected, -1);  // an index into the emptied list names nothing
  expect_at(point(2), 120, 100);
  expect_at(saved(2), 120, 100);
}

TEST_F(PointEditingTest, ReloadAfterClearRestoresNothingAndDrawsNothing) {
  for (int i = 0; i < 3; ++i) place_user_point(100 + 10 * i, 100);
  clear_points();
  gl_recorder::reset();
  app.r = 0.5;
  reload_points();
  EXPECT_EQ(app.points.count, 0);
  EXPECT_EQ(app.r, 0.5);
  EXPECT_EQ(gl_recorder::call_count(), 0);
}

TEST_F(PointEditingTest, AddDeleteAddKeepsTheSavedEntriesAndReloadBringsThemBack) {
  app.saved.items[3] = Point{7, 8, 0, 0};
  click(100, 100);
  click(200, 100);
  click(300, 100);
  on_passive_motion(200, 100);
  on_menu(MENU_DELETE_POINT);
  ASSERT_EQ(app.points.count, 2);
  expect_at(point(1), 300, 100);

  click(400, 100);
  EXPECT_EQ(app.points.count, 3);
  EXPECT_EQ(app.saved.count, 4);
  expect_at(point(2), 400, 100);
  expect_at(saved(2), 400, 100);  // over the deleted point's own placement

  reload_points();
  ASSERT_EQ(app.points.count, 4);
  expect_at(point(0), 100, 100);
  expect_at(point(1), 200, 100);  // the deleted point comes back
  expect_at(point(2), 400, 100);
  expect_at(point(3), 7, 8);  // whatever entry 3 of saved last held
  for (int i = 0; i < 4; ++i) EXPECT_EQ(app.knots[i + 1], i);
}

TEST_F(PointEditingTest, ReloadRestoresUserPointsAndStartsRefinementAfresh) {
  for (int i = 0; i < 3; ++i) place_user_point(100 + 10 * i, 100);
  // The working polygon as a refinement left it.
  app.points.count = 6;
  for (int i = 0; i < 6; ++i) {
    app.points.items[i] = Point{5.5 * i, 6.5 * i, i == 4 ? 1.0 : 0.0, 9.0};
    app.knots[i + 1] = 0.25 * i + 3;
  }
  app.knot_spacing = 0.25;
  app.r = 0.125;
  app.curve_mode = CURVE_LAGRANGE;
  app.c = 2.0;
  app.w = 0.2;
  app.pd = 3;
  app.basis = BASIS_GS;
  app.scheme = SCHEME_NR4;
  app.stationary = true;

  reload_points();
  ASSERT_EQ(app.points.count, 3);
  for (int i = 0; i < 3; ++i) {
    expect_at(point(i), 100 + 10 * i, 100);
    EXPECT_EQ(point(i).reserved, 9.0);
    EXPECT_EQ(app.knots[i + 1], i);
  }
  EXPECT_EQ(point(4).highlight, 1.0);  // coordinates only: highlights stay with their entries
  EXPECT_EQ(app.knot_spacing, 1.0);
  EXPECT_EQ(app.r, 1.0);
  EXPECT_EQ(app.curve_mode, CURVE_LAGRANGE);
  EXPECT_EQ(app.c, 2.0);
  EXPECT_EQ(app.w, 0.2);
  EXPECT_EQ(app.pd, 3);
  EXPECT_EQ(app.basis, BASIS_GS);
  EXPECT_EQ(app.scheme, SCHEME_NR4);
  EXPECT_TRUE(app.stationary);
  EXPECT_EQ(redisplays(), 1);
}

// ---------------------------------------------------------------------------
// A stale index never moves, deletes or highlights a point. Keys and menu
// entries arrive while the left button is held, so the list can be emptied or
// replaced in the middle of a drag.

TEST_F(PointEditingTest, ClearDuringADragEndsItSoMotionAndReleaseWriteNothing) {
  place_user_point(100, 100);
  press(300, 300);  // appends point 1 and drags it
  clear_points();
  EXPECT_FALSE(app.dragging);
  EXPECT_EQ(app.selected, -1);
  EXPECT_EQ(point(1).highlight, 0.0);
  const int after_clear = redisplays();
  on_motion(350, 350);
  release(360, 360);
  expect_at(point(1), 300, 300);
  EXPECT_EQ(app.saved.items[1].x, 0.0);
  EXPECT_EQ(app.points.count, 0);
  EXPECT_EQ(app.saved.count, 0);
  EXPECT_EQ(redisplays(), after_clear);

  press(50, 60);  // the next press starts afresh at index 0
  EXPECT_EQ(app.points.count, 1);
  EXPECT_EQ(app.selected, 0);
}

// The pop-up menu can swallow the release of a drag, so hover events arrive
// while the drag is still on and move the selection off every point.
TEST_F(PointEditingTest, DragWhoseSelectionWasMovedByAHoverWritesNothing) {
  place_user_point(100, 100);
  press(100, 100);
  on_passive_motion(400, 400);
  ASSERT_EQ(app.selected, -1);
  on_motion(450, 450);
  release(460, 460);
  EXPECT_FALSE(app.dragging);
  expect_at(point(0), 100, 100);
  expect_at(saved(0), 100, 100);
  EXPECT_EQ(app.points.count, 1);
}

TEST_F(PointEditingTest, ReloadDuringADragEndsItAndLeavesNoOutline) {
  for (int i = 0; i < 3; ++i) place_user_point(100 + 100 * i, 100);
  press(200, 100);
  on_motion(220, 130);
  reload_points();
  EXPECT_FALSE(app.dragging);
  EXPECT_EQ(app.selected, -1);
  EXPECT_EQ(point(1).highlight, 0.0);
  on_motion(250, 150);
  release(260, 160);
  expect_at(point(1), 220, 130);
  expect_at(saved(1), 220, 130);
}

TEST_F(PointEditingTest, DeleteDuringADragRemovesThePickedPointAndEndsTheDrag) {
  for (int i = 0; i < 3; ++i) place_user_point(100 + 100 * i, 100);
  press(200, 100);
  on_menu(MENU_DELETE_POINT);
  EXPECT_EQ(app.points.count, 2);
  EXPECT_FALSE(app.dragging);
  on_motion(250, 150);  // with the drag still on this would write entry -1
  release(260, 160);
  expect_at(point(0), 100, 100);
  expect_at(point(1), 300, 100);
  for (int i = 0; i < 3; ++i) expect_at(saved(i), 100 + 100 * i, 100);
}

TEST_F(PointEditingTest, StaleHoverOutlineDoesNotComeBackWithAReload) {
  for (int i = 0; i < 3; ++i) place_user_point(100 + 100 * i, 100);
  on_passive_motion(300, 100);
  on_menu(MENU_DELETE_POINT);  // the last point: entry 2 keeps its outline past the end
  on_passive_motion(500, 500);
  reload_points();
  ASSERT_EQ(app.points.count, 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(point(i).highlight, 0.0) << "point " << i;
}

// ---------------------------------------------------------------------------
// Which events solve

TEST_F(PointEditingTest, AppendMotionReleaseAndReloadSolveTheStateTheyLeave) {
  place_user_point(100, 100);
  place_user_point(200, 150);
  solve_probe::arm();
  press(300, 100);
  EXPECT_TRUE(solve_probe::solved_current_state()) << "append";
  solve_probe::arm();
  on_motion(310, 120);
  EXPECT_TRUE(solve_probe::solved_current_state()) << "motion";
  solve_probe::arm();
  release(320, 130);
  EXPECT_TRUE(solve_probe::solved_current_state()) << "release";
  app.knots[2] = 0.5;
  app.r = 0.25;
  solve_probe::arm();
  reload_points();
  EXPECT_TRUE(solve_probe::solved_current_state()) << "reload";
}

TEST_F(PointEditingTest, PickHoverDeleteAndClearDoNotSolve) {
  for (int i = 0; i < 3; ++i) place_user_point(100 + 100 * i, 100);
  solve_probe::arm();
  on_passive_motion(200, 100);
  press(200, 100);
  EXPECT_TRUE(solve_probe::untouched()) << "a press on a point only picks it";
  on_menu(MENU_DELETE_POINT);
  clear_points();
  EXPECT_TRUE(solve_probe::untouched());
}

}  // namespace
