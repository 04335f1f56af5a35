#include "subdivision/four_point_rule.h"

namespace curvix {

double four_point_value(double s0, double s1, double s2, double s3, double tension) {
  return (0.5 + tension) * (s1 + s2) - (s0 + s3) * tension;
}

PlanarPoint four_point_insert(const PlanarPoint* stencil, double tension) {
  PlanarPoint p;
  p.x = four_point_value(stencil[0].x, stencil[1].x, stencil[2].x, stencil[3].x, tension);
  p.y = four_point_value(stencil[0].y, stencil[1].y, stencil[2].y, stencil[3].y, tension);
  return p;
}

}  // namespace curvix
