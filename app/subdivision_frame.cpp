#include "app/subdivision_frame.h"

#include <GL/glut.h>

#include <algorithm>
#include <array>
#include <cstddef>

#include "app/app_settings.h"
#include "app/app_state.h"
#include "app/gl_drawing.h"
#include "app/knots.h"
#include "app/planar_buffer.h"
#include "app/rbf_curve_drawing.h"
#include "app/rbf_trace.h"
#include "app/stencil_inserts.h"
#include "subdivision/closed_stencil.h"

namespace {

constexpr double LEVEL_SPACING_FACTOR = 0.5;  // each level halves the parameter spacing
constexpr double STATIONARY_R_FACTOR = 0.5;   // keeps r in a fixed ratio to the spacing

using Level = std::array<curvix::PlanarPoint, MAX_POINTS>;

curvix::SubdivisionSettings settings_of(const SubdivisionScheme& scheme) {
  curvix::SubdivisionSettings settings;
  settings.scheme = scheme.kind;
  settings.rbf = app_rbf_settings();
  settings.rbf_stencil_size = scheme.stencil_size;
  settings.tension = app.w;
  return settings;
}

// The stencil of old point i, as the step gathered it, into app.stencil_points
// and, for the RBF schemes, app.stencil_params: the last stencil of a step
// stays there for single-stencil work (see stencil_inserts.h).
void keep_stencil(const curvix::PlanarPoint* old, int n, int i,
                  const curvix::SubdivisionSettings& settings) {
  const int s = curvix::stencil_size_of(settings);
  const bool rbf = settings.scheme == SCHEME_RBF4 || settings.scheme == SCHEME_RBF6;
  curvix::StencilScratch& scratch = stencil_scratch();
  curvix::gather_closed_stencil(old, &app.knots[1], n, app.knot_spacing, i, s,
                                scratch.points.data(), rbf ? app.stencil_params.data() : nullptr);
  for (int m = 0; m < s; ++m) {
    const auto slot = static_cast<std::size_t>(m);
    app.stencil_points[slot].x = scratch.points[slot].x;
    app.stencil_points[slot].y = scratch.points[slot].y;
  }
}

void commit_next_level(const Level& next) {
  app.points.count *= 2;
  app.knot_spacing *= LEVEL_SPACING_FACTOR;
  for (int k = 0; k < app.points.count; ++k) {
    const auto slot = static_cast<std::size_t>(k);
    app.points.items[slot].x = next[slot].x;
    app.points.items[slot].y = next[slot].y;
  }
  assign_uniform_knots();
}

}  // namespace

bool subdivision_step(const SubdivisionScheme& scheme) {
  const int n = app.points.count;
  if (2 * n > MAX_POINTS) return false;
  static Level old;
  static Level next;
  const curvix::PlanarPoint* converted = planar_points(app.points);
  std::copy(converted, converted + n, old.begin());
  const curvix::SubdivisionSettings settings = settings_of(scheme);
  const curvix::RefineResult result =
      curvix::refine_closed_polygon(old.data(), &app.knots[1], n, app.knot_spacing, settings,
                                    stencil_scratch(), trace_observer(), next.data());
  const int last_stencil = result.refined ? n - 1 : result.failed_stencil;
  if (last_stencil >= 0) keep_stencil(old.data(), n, last_stencil, settings);
  if (!result.refined) return false;

  glClear(GL_COLOR_BUFFER_BIT);
  glLoadIdentity();
  // The saved polygon sets no colour: it inherits whatever was drawn last.
  if (app.saved.count > 0) draw_point_strip(app.saved.items.data(), app.saved.count);
  set_colour(PREVIOUS_LEVEL_COLOUR);
  draw_point_strip(app.points.items.data(), app.points.count);

  commit_next_level(next);
  set_colour(scheme.level_colour);
  draw_point_strip(app.points.items.data(), app.points.count);

  if (scheme.halves_r_when_stationary && app.stationary) app.r *= STATIONARY_R_FACTOR;

  glFlush();
  glutSwapBuffers();
  rbf_solve();
  return true;
}
