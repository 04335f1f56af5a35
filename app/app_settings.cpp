#include "app/app_settings.h"

#include "app/app_state.h"
#include "curves/basis_value.h"

curvix::RbfSettings app_rbf_settings() {
  return curvix::RbfSettings{app.basis, app.c, app.r, app.pd};
}

double basis_value(double x, double r) {
  return curvix::basis_function(app.basis, app.c, x, r);
}
