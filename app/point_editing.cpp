#include "app/point_editing.h"

#include <GL/glut.h>

#include "app/app_state.h"
#include "app/curve_drawing.h"
#include "app/knots.h"

namespace {

constexpr double HIGHLIGHT_ON = 1.0;                 // outlined marker: hovered or dragged
constexpr double HIGHLIGHT_OFF = 0.0;                // filled marker
constexpr double PICK_HALF_SIZE = MARKER_HALF_SIZE;  // pixels; a point is picked inside its marker

bool names_current_point(int index) {
  return index >= 0 && index < app.points.count;
}

void place(Point& point, int mx, int my) {
  point.x = mx;
  point.y = my;
}

// Appends a point at the pointer, or moves the last one when the list is full,
// gives it its uniform parameter value and re-solves. Returns its index.
int add_point_at(int mx, int my) {
  int k = MAX_POINTS - 1;
  if (app.points.count < MAX_POINTS) {
    k = app.points.count++;
    if (app.saved.count < MAX_POINTS) ++app.saved.count;
  }
  place(app.points.items[k], mx, my);
  app.knots[k + 1] = static_cast<double>(k) * app.knot_spacing;
  rbf_solve();
  return k;
}

// The dragged point and its saved twin take the pointer position. `saved` is
// written first: it is the record of where the user put the point.
void move_dragged_point(int mx, int my) {
  place(app.saved.items[app.selected], mx, my);
  place(app.points.items[app.selected], mx, my);
}

void press(int mx, int my) {
  const int hit = pick_point(mx, my);
  app.selected = hit >= 0 ? hit : add_point_at(mx, my);
  app.points.items[app.selected].highlight = HIGHLIGHT_ON;
  app.dragging = true;
  glutPostRedisplay();
}

// The release writes its own position, so a click on a point without moving
// snaps the point to where the button went up (up to 2 pixels away).
void release(int mx, int my) {
  if (!app.dragging) return;
  if (!names_current_point(app.selected)) {
    app.dragging = false;
    return;
  }
  move_dragged_point(mx, my);
  app.points.items[app.selected].highlight = HIGHLIGHT_OFF;
  app.dragging = false;
  rbf_solve();
  glutPostRedisplay();
}

}  // namespace

int pick_point(int mx, int my) {
  const double px = mx;
  const double py = my;
  for (int i = 0; i < app.points.count; ++i) {
    const Point& p = app.points.items[i];
    if (p.x - PICK_HALF_SIZE < px && px < p.x + PICK_HALF_SIZE && p.y - PICK_HALF_SIZE < py &&
        py < p.y + PICK_HALF_SIZE)
      return i;
  }
  return -1;
}

void on_mouse(int button, int state, int mx, int my) {
  if (button != GLUT_LEFT_BUTTON) return;
  if (state == GLUT_DOWN) press(mx, my);
  if (state == GLUT_UP) release(mx, my);
}

// A drag can outlive its point's index: when a release goes missing (the
// pop-up menu swallows it) hover events still arrive and move the selection.
// Only a drag of a current point writes anything.
void on_motion(int mx, int my) {
  if (!app.dragging || !names_current_point(app.selected)) return;
  move_dragged_point(mx, my);
  rbf_solve();
  glutPostRedisplay();
}

// `hovered` may name an entry past the end after the list shrank; clearing its
// highlight there is harmless and keeps a stale outline from coming back with a
// reload, which copies coordinates only.
void on_passive_motion(int mx, int my) {
  app.selected = pick_point(mx, my);
  if (app.selected == app.hovered) return;
  if (app.hovered >= 0) app.points.items[app.hovered].highlight = HIGHLIGHT_OFF;
  if (app.selected >= 0) app.points.items[app.selected].highlight = HIGHLIGHT_ON;
  glutPostRedisplay();
  app.hovered = app.selected;
}

void delete_selected_point() {
  if (!names_current_point(app.selected)) return;
  Point* items = app.points.items.data();
  for (int i = app.selected; i < app.points.count - 1; ++i) {
    copy_coordinates(items[i], items[i + 1]);
    items[i].highlight = items[i + 1].highlight;
  }
  --app.points.count;
  app.dragging = false;
  app.selected = -1;
}

void clear_points() {
  forget_selection();
  app.points.count = 0;
  app.saved.count = 0;
  app.knot_spacing = curvix::START_SPACING;  // the user's own points, before any level
  glutPostRedisplay();
}

void reload_points() {
  if (app.saved.count == 0) return;
  forget_selection();
  app.r = curvix::START_R;  // reload begins refinement afresh
  app.points.count = app.saved.count;
  app.knot_spacing = curvix::START_SPACING;  // the user's own points, before any level
  for (int i = 0; i < app.points.count; ++i)
    copy_coordinates(app.points.items[i], app.saved.items[i]);
  assign_uniform_knots();
  rbf_solve();
  glutPostRedisplay();
}

void forget_selection() {
  if (app.dragging && names_current_point(app.selected))
    app.points.items[app.selected].highlight = HIGHLIGHT_OFF;
  app.dragging = false;
  app.selected = -1;
}
