#include "app/stencil_inserts.h"

#include "app/app_settings.h"
#include "app/app_state.h"
#include "app/planar_buffer.h"
#include "app/rbf_trace.h"
#include "subdivision/four_point_rule.h"
#include "subdivision/rbf_insertion.h"
#include "subdivision/rbf_stencil.h"

namespace {

void take_coordinates(Point& to, const curvix::PlanarPoint& from) {
  to.x = from.x;
  to.y = from.y;
}

}  // namespace

curvix::StencilScratch& stencil_scratch() {
  static curvix::StencilScratch scratch;
  return scratch;
}

bool invert_stencil_system(int stencil_size) {
  return curvix::invert_stencil(app.stencil_params.data(), stencil_size, app_rbf_settings(),
                                stencil_scratch().inverse, trace_observer());
}

bool insert_rbf(int i, int stencil_size, Point& inserted) {
  curvix::PlanarPoint p;
  if (!curvix::rbf_insert(app.stencil_params.data(),
                          planar_points(app.stencil_points.data(), stencil_size), stencil_size,
                          app_rbf_settings(), i, stencil_scratch(), trace_observer(), p))
    return false;
  take_coordinates(inserted, p);
  return true;
}

bool insert_nr4(int, int, Point& inserted) {
  inserted = four_point_insert(app.stencil_points.data(), app.w);
  return true;
}

bool insert_dd(int, int, Point& inserted) {
  inserted = four_point_insert(app.stencil_points.data(), curvix::DD_TENSION);
  return true;
}

Point four_point_insert(const Point* stencil, double tension) {
  Point p;
  take_coordinates(
      p, curvix::four_point_insert(planar_points(stencil, curvix::FOUR_POINT_STENCIL), tension));
  return p;
}
