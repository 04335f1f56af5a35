#include "app/subdivision_step.h"

#include <GL/glut.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "app/console.h"
#include "app/curve_drawing.h"
#include "app/knots.h"
#include "app/scene.h"

namespace {

constexpr int LEVELS_PER_STEP = 1;  // each command refines one level

curvix::LevelSettings level_settings(SchemeKind scheme, int stencil_size) {
  curvix::LevelSettings level;
  level.subdivision.scheme = scheme;
  level.subdivision.rbf = app_rbf_settings();
  level.subdivision.rbf_stencil_size = curvix::is_rbf_scheme(scheme) ? stencil_size : 0;
  level.subdivision.tension = app.w;
  level.h = app.knot_spacing;
  level.stationary = app.stationary;
  return level;
}

// The stencil storage the program hands the library, kept from step to step.
curvix::StencilScratch& stencil_scratch() {
  static const auto scratch = std::make_unique<curvix::StencilScratch>();
  return *scratch;
}

void commit_next_level(const std::vector<curvix::PlanarPoint>& next, double spacing) {
  app.points.count *= 2;
  app.knot_spacing = spacing;
  for (int k = 0; k < app.points.count; ++k) {
    const auto slot = static_cast<std::size_t>(k);
    app.points.items[slot].x = next[slot].x;
    app.points.items[slot].y = next[slot].y;
  }
  assign_uniform_knots();
}

// Runs one step of `scheme` with `stencil_size` points per RBF stencil (the
// four-point schemes take their own). Returns true when the level was
// committed and drawn; false when it was refused (too many points, or the
// scheme could not insert a point).
bool subdivision_step(SchemeKind scheme, int stencil_size) {
  const int n = app.points.count;
  if (2 * n > MAX_POINTS) return false;
  std::vector<std::vector<curvix::PlanarPoint>> levels;
  const curvix::RefineLevelsResult result = curvix::refine_levels(
      planar_points(app.points), &app.knots[1], n, level_settings(scheme, stencil_size),
      LEVELS_PER_STEP, false, stencil_scratch(), trace_observer(), levels);
  if (!result.refined) return false;

  glClear(GL_COLOR_BUFFER_BIT);
  glLoadIdentity();
  // The saved polygon sets no colour: it inherits whatever was drawn last.
  if (app.saved.count > 0) draw_point_strip(app.saved.items.data(), app.saved.count);
  set_colour(PREVIOUS_LEVEL_COLOUR);
  draw_point_strip(app.points.items.data(), app.points.count);

  commit_next_level(levels.back(), result.next.h);
  set_colour(curvix::scheme_info(scheme).level_colour);
  draw_point_strip(app.points.items.data(), app.points.count);

  app.r = result.next.subdivision.rbf.r;

  glFlush();
  glutSwapBuffers();
  rbf_solve();
  return true;
}

// The RBF scheme of the table whose own stencil has `stencil_size` points, so
// that a step is run under the name of the scheme it is; a size no scheme
// has is RBF4's rule over that many points.
SchemeKind rbf_scheme_of_size(int stencil_size) {
  for (const curvix::SchemeInfo& info : curvix::SCHEMES)
    if (info.rbf && info.stencil_size == stencil_size) return info.kind;
  return SCHEME_RBF4;
}

}  // namespace

void subdivide(SchemeKind scheme, int stencil_size) {
  const curvix::SchemeInfo& info = curvix::scheme_info(scheme);
  if (info.rbf)
    subdivide_rbf(stencil_size);
  else
    subdivision_step(info.program ? info.kind : SCHEME_DD, 0);
}

void subdivide_rbf(int stencil_size) {
  if (stencil_size < 2 || stencil_size % 2 != 0 || stencil_size > MAX_POINTS) return;
  if (!subdivision_step(rbf_scheme_of_size(stencil_size), stencil_size)) return;
  // Above the curve's point limit the closing solve does nothing and the table
  // still holds the curve of the old level; it describes no curve of the new
  // one, so nothing may draw it (say after deletions bring the count back
  // down) until the next solve.
  if (app.points.count > MAX_CURVE_POINTS) app.rbf_coefficients_valid = false;
}

void subdivide_nr4() {
  subdivision_step(SCHEME_NR4, 0);
}

void subdivide_dd() {
  subdivision_step(SCHEME_DD, 0);
}
