#pragma once
// The program's points as the library's, for handing to the library.

#include "app/point.h"
#include "curves/planar_point.h"

// The coordinates of points[0 .. count - 1] (count <= MAX_POINTS) in a buffer
// that the next call overwrites; valid until then.
const curvix::PlanarPoint* planar_points(const Point* points, int count);

// The same for the first count working points of a list.
inline const curvix::PlanarPoint* planar_points(const PointList& list) {
  return planar_points(list.items.data(), list.count);
}
