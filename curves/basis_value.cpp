#include "curves/basis_value.h"

#include <cmath>

#include "app/app_state.h"

double basis_function(BasisKind kind, double c, double x, double r) {
  if (kind == BASIS_MQ1) return std::sqrt(x * x + ((c * c) * r) * r);
  if (kind == BASIS_MQ3) return std::pow(x * x + ((c * c) * r) * r, 1.5);
  return std::exp(((-r) * x) * x);
}

double basis_value(double x, double r) {
  return basis_function(app.basis, app.c, x, r);
}
