#include "curves/basis_value.h"

#include <cmath>

namespace curvix {

double basis_function(BasisKind kind, double c, double x, double r) {
  if (kind == BASIS_MQ1) return std::sqrt(x * x + ((c * c) * r) * r);
  if (kind == BASIS_MQ3) return std::pow(x * x + ((c * c) * r) * r, 1.5);
  return std::exp(((-r) * x) * x);
}

double basis_value(const RbfSettings& settings, double x) {
  return basis_function(settings.basis, settings.c, x, settings.r);
}

}  // namespace curvix
