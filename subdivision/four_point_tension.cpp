#include "subdivision/four_point_tension.h"

#include <cmath>

#include "subdivision/four_point_rule.h"

namespace curvix {

namespace {

bool nearly_equal(double a, double b) {
  return std::fabs(a - b) <=
         FOUR_POINT_TOLERANCE * std::fmax(1.0, std::fmax(std::fabs(a), std::fabs(b)));
}

}  // namespace

bool four_point_tension(const std::vector<double>& weights, double& tension) {
  if (weights.size() != static_cast<std::size_t>(FOUR_POINT_STENCIL)) return false;
  const double sum = ((weights[0] + weights[1]) + weights[2]) + weights[3];
  if (!nearly_equal(weights[0], weights[3]) || !nearly_equal(weights[1], weights[2]) ||
      !nearly_equal(sum, 1.0))
    return false;
  tension = -(weights[0] + weights[3]) / 2.0;
  return true;
}

}  // namespace curvix
