#include "app/commands.h"

#include <GL/glut.h>

#include <cstdlib>

#include "app/console.h"
#include "app/curve_drawing.h"
#include "app/knots.h"
#include "app/point_editing.h"
#include "app/subdivision_step.h"

namespace {

constexpr unsigned char KEY_ESCAPE = 27;  // ASCII ESC
constexpr int EXIT_ON_ESCAPE = -1;        // seen by the shell as 255
constexpr int EXIT_ON_QUIT = 1;

// The continuous parameters r, C and w need no helper: each key press is one
// addition or subtraction of PARAM_STEP or TENSION_STEP, never a value
// recomputed from a count of presses, so twenty presses give twenty rounded
// additions. The cycles of the basis and the scheme are the library's tables'
// order (curvix::next_basis, curvix::next_scheme).

// The polynomial degree one lower, held at 0: a negative degree has no polynomial part to solve.
constexpr int lowered_degree(int pd) {
  return pd - 1 < 0 ? 0 : pd - 1;
}

// The stencil size once `scheme` is selected: the RBF schemes set their own; the
// four-point schemes do not use it and leave `current` as it was.
constexpr int stencil_size_for(SchemeKind scheme, int current) {
  return curvix::is_rbf_scheme(scheme) ? curvix::scheme_info(scheme).stencil_size : current;
}

// What must follow a key's state change.
enum class Then {
  NOTHING,              // the key needs no redraw, or its menu command asks for one itself
  REDISPLAY,            // only the picture changes
  SOLVE_AND_REDISPLAY,  // an input of the RBF interpolant changed
};

void select_next_scheme() {
  app.scheme = curvix::next_scheme(app.scheme);
  app.stencil_size = stencil_size_for(app.scheme, app.stencil_size);
}

// Keys are case-sensitive; every key not listed does nothing. "w" raises the
// polynomial degree (not the tension w) and "r" selects the RBF curve (not the
// parameter r).
Then apply_key(unsigned char key) {
  switch (key) {
    case KEY_ESCAPE: std::exit(EXIT_ON_ESCAPE);
    case ',':
    case '<': app.r -= PARAM_STEP; return Then::SOLVE_AND_REDISPLAY;
    case '.':
    case '>': app.r += PARAM_STEP; return Then::SOLVE_AND_REDISPLAY;
    case 'k': app.c -= PARAM_STEP; return Then::SOLVE_AND_REDISPLAY;
    case 'l': app.c += PARAM_STEP; return Then::SOLVE_AND_REDISPLAY;
    case 'h': app.w -= TENSION_STEP; return Then::REDISPLAY;
    case 'j': app.w += TENSION_STEP; return Then::REDISPLAY;
    case 'q': app.pd = lowered_degree(app.pd); return Then::SOLVE_AND_REDISPLAY;
    case 'w': app.pd += 1; return Then::SOLVE_AND_REDISPLAY;
    case 'b': app.basis = curvix::next_basis(app.basis); return Then::SOLVE_AND_REDISPLAY;
    case 'n': app.stationary = !app.stationary; return Then::REDISPLAY;
    case 'a': select_next_scheme(); return Then::REDISPLAY;
    case 's': on_menu(MENU_SUBDIVISION); return Then::NOTHING;
    case 'r': on_menu(MENU_RBF); return Then::NOTHING;
    case 'c': on_menu(MENU_CLEAR); return Then::NOTHING;
    case 'd': on_menu(MENU_RELOAD); return Then::NOTHING;
    case 'p': toggle_trace(); return Then::NOTHING;
    default: return Then::NOTHING;
  }
}

// Choosing a curve solves nothing: the RBF curve is drawn with the coefficients
// of the last solve, also after new parameter values were typed.
void show_curve(CurveMode mode) {
  app.curve_mode = mode;
  glutPostRedisplay();
}

// One refinement level. The step draws and shows its own frame, so no redisplay
// is requested. A step that ran replaced the working points, so the picked
// index no longer names the point the user pointed at: a drag in progress ends
// and the index is forgotten. A refused step changes nothing but the curve.
void subdivide_once() {
  app.curve_mode = CURVE_NONE;
  const int count_before = app.points.count;
  subdivide(app.scheme, app.stencil_size);
  if (app.points.count != count_before) forget_selection();
}

}  // namespace

void on_keyboard(unsigned char key, int, int) {
  const Then then = apply_key(key);
  if (then == Then::SOLVE_AND_REDISPLAY) rbf_solve();
  if (then != Then::NOTHING) glutPostRedisplay();
}

// Clear and reload request their own redisplay (reload only when it restores
// something); the typed parameter values wait for the next solve.
void on_menu(int id) {
  switch (id) {
    case MENU_CLEAR: clear_points(); break;
    case MENU_RBF: show_curve(CURVE_RBF); break;
    case MENU_SUBDIVISION: subdivide_once(); break;
    case MENU_QUIT: std::exit(EXIT_ON_QUIT);
    case MENU_RELOAD: reload_points(); break;
    case MENU_LAGRANGE: show_curve(CURVE_LAGRANGE); break;
    case MENU_BEZIER: show_curve(CURVE_BEZIER); break;
    case MENU_DELETE_POINT:
      delete_selected_point();
      glutPostRedisplay();
      break;
    case MENU_KNOT_VECTORS:
      read_knot_vectors();
      glutPostRedisplay();
      break;
    default: break;
  }
}
