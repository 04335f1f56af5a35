#pragma once
// The program's limits and storage for the curves it draws.

#include <array>

#include "app/point.h"
#include "curves/rbf_settings.h"

constexpr int MAX_CURVE_POINTS = 200;  // largest polygon whose curves are solved and drawn
constexpr int CURVE_SEGMENTS = 500;    // a drawn curve is a strip of CURVE_SEGMENTS + 1 samples

using RbfCoefficient = curvix::RbfCoefficient;

// Entries 0..pd: polynomial coefficients; pd + 1 ..: weights of the translates.
using RbfCoefficientTable = std::array<RbfCoefficient, MAX_POINTS>;
