#include "app/subdivision_frame.h"

#include <GL/glut.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "app/app_settings.h"
#include "app/app_state.h"
#include "app/gl_drawing.h"
#include "app/knots.h"
#include "app/planar_buffer.h"
#include "app/rbf_curve_drawing.h"
#include "app/rbf_trace.h"
#include "subdivision/refine_levels.h"

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

}  // namespace

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
