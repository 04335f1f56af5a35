#pragma once
// The interpolatory four-point rule with tension (Dyn, Levin and Gregory, 1987)
// and its Deslauriers-Dubuc special case.
//
// From the stencil S0..S3 around the gap between S1 and S2 the inserted value is
//   (0.5 + tension) * (S1 + S2) - (S0 + S3) * tension,
// the weights (-tension, 1/2 + tension, 1/2 + tension, -tension), which sum to 1
// for every tension; tension 1/16 is the Deslauriers-Dubuc scheme.

#include "curves/planar_point.h"

namespace curvix {

constexpr double DD_TENSION = 0.0625;  // 1/16: reproduces cubics (Deslauriers-Dubuc)
constexpr int FOUR_POINT_STENCIL = 4;  // old points per inserted point

constexpr double START_TENSION = 0.125;  // the program's start value of NR4's tension w

// One coordinate of the inserted point.
double four_point_value(double s0, double s1, double s2, double s3, double tension);

// The point inserted between stencil[1] and stencil[2].
PlanarPoint four_point_insert(const PlanarPoint* stencil, double tension);

}  // namespace curvix
