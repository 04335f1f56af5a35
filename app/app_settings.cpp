#include "app/app_settings.h"

#include "app/app_state.h"

curvix::RbfSettings app_rbf_settings() {
  return curvix::RbfSettings{app.basis, app.c, app.r, app.pd};
}
