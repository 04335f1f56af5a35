#pragma once
// Types shared by the curve evaluators and the RBF subdivision.

#include <array>

#include "app/point.h"

constexpr int MAX_CURVE_POINTS = 200;  // largest polygon whose curves are solved and drawn
constexpr int CURVE_SEGMENTS = 500;    // a drawn curve is a strip of CURVE_SEGMENTS + 1 samples

// One evaluated curve sample; laid out as three doubles so it can go to glVertex3dv.
struct CurvePoint {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;  // always 0
};

// One x/y coefficient pair of an RBF interpolant.
struct RbfCoefficient {
  double x = 0.0;
  double y = 0.0;
};

// Entries 0..pd: polynomial coefficients; pd + 1 ..: weights of the translates.
using RbfCoefficientTable = std::array<RbfCoefficient, MAX_POINTS>;
