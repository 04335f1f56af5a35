#pragma once
// The basis function as the program's state chooses it.

#include "app/app_state.h"
#include "curves/basis_value.h"

// phi at x with shape r and the state's basis and C, as the program hands
// them to the library.
inline double state_basis_value(double x, double r) {
  curvix::RbfSettings settings = app_rbf_settings();
  settings.r = r;
  return curvix::basis_value(settings, x);
}
