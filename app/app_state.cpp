#include "app/app_state.h"

AppState app;

curvix::RbfSettings app_rbf_settings() {
  return curvix::RbfSettings{app.basis, app.c, app.r, app.pd};
}

// One buffer for the whole program: every caller hands it to the library at
// once and is done with it before the next conversion.
const curvix::PlanarPoint* planar_points(const Point* points, int count) {
  static std::array<curvix::PlanarPoint, MAX_POINTS> buffer;
  for (int i = 0; i < count; ++i)
    buffer[static_cast<std::size_t>(i)] = curvix::PlanarPoint{points[i].x, points[i].y};
  return buffer.data();
}
