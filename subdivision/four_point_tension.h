#pragma once
// The tension of a symmetric four-point rule. Every rule of 4 weights that is
// symmetric (w1 = w4, w2 = w3) and reproduces constants (sum 1) has
// w2 = 1/2 - w1, so it is the four-point rule (four_point_rule.h) with
// tension w = -w1: RBF4 at any settings is NR4 at w = -(its outer weight).

#include <vector>

namespace curvix {

// Symmetry and the sum hold to this, relative to max(1, |weight|): RBF masks
// come out of a solve, symmetric to about 1e-15 only, while a rule moved by
// 1e-6 from symmetry is not a four-point rule.
constexpr double FOUR_POINT_TOLERANCE = 1e-9;

// Whether `weights` is a symmetric four-point rule that reproduces constants;
// if so, `tension` = -(w1 + w4) / 2, else `tension` is left alone.
bool four_point_tension(const std::vector<double>& weights, double& tension);

}  // namespace curvix
