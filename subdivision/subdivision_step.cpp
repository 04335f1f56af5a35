#include "subdivision/subdivision_step.h"

#include <GL/glut.h>

#include <cstddef>

#include "app/app_state.h"
#include "app/gl_drawing.h"
#include "curves/knots.h"
#include "curves/rbf_curve.h"
#include "subdivision/closed_stencil.h"

namespace {

constexpr double LEVEL_SPACING_FACTOR = 0.5;  // each level halves the parameter spacing
constexpr double STATIONARY_R_FACTOR = 0.5;   // keeps r in a fixed ratio to the spacing

// Copies the stencil of old point i (positions i - half .. i + half + 1) into
// app.stencil_points and, when asked, its parameter values into app.stencil_params.
void gather_stencil(int i, const SubdivisionScheme& scheme) {
  const int n = app.points.count;
  const int lo = i - (scheme.stencil_size / 2 - 1);
  for (int m = 0; m < scheme.stencil_size; ++m) {
    const int j = lo + m;
    const auto slot = static_cast<std::size_t>(m);
    copy_coordinates(app.stencil_points[slot],
                     app.points.items[static_cast<std::size_t>(closed_index(j, n))]);
    if (scheme.records_parameters)
      app.stencil_params[slot] = continued_parameter(j, n, app.knots, app.knot_spacing);
  }
}

// Fills app.refined_points[0 .. 2n - 1]; false as soon as a point cannot be inserted.
bool build_next_level(const SubdivisionScheme& scheme) {
  for (int i = 0; i < app.points.count; ++i) {
    gather_stencil(i, scheme);
    const auto even = static_cast<std::size_t>(2 * i);
    copy_coordinates(app.refined_points[even], app.points.items[static_cast<std::size_t>(i)]);
    Point inserted;
    if (!scheme.insert(i, scheme.stencil_size, inserted)) return false;
    copy_coordinates(app.refined_points[even + 1], inserted);
  }
  return true;
}

void commit_next_level() {
  app.points.count *= 2;
  app.knot_spacing *= LEVEL_SPACING_FACTOR;
  for (int k = 0; k < app.points.count; ++k) {
    const auto slot = static_cast<std::size_t>(k);
    copy_coordinates(app.points.items[slot], app.refined_points[slot]);
  }
  assign_uniform_knots();
}

}  // namespace

bool subdivision_step(const SubdivisionScheme& scheme) {
  if (2 * app.points.count > MAX_POINTS) return false;
  if (!build_next_level(scheme)) return false;

  glClear(GL_COLOR_BUFFER_BIT);
  glLoadIdentity();
  // The saved polygon sets no colour: it inherits whatever was drawn last.
  if (app.saved.count > 0) draw_point_strip(app.saved.items.data(), app.saved.count);
  set_colour(PREVIOUS_LEVEL_COLOUR);
  draw_point_strip(app.points.items.data(), app.points.count);

  commit_next_level();
  set_colour(scheme.level_colour);
  draw_point_strip(app.points.items.data(), app.points.count);

  if (scheme.halves_r_when_stationary && app.stationary) app.r *= STATIONARY_R_FACTOR;

  glFlush();
  glutSwapBuffers();
  rbf_solve();
  return true;
}
