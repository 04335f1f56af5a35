#pragma once
// The library's settings values as the program's state holds them.

#include "curves/rbf_settings.h"
#include "subdivision/refine_level.h"

// app.basis, app.c, app.r and app.pd.
curvix::RbfSettings app_rbf_settings();

// phi at the signed parameter distance x with shape parameter r, for the kind
// and constant held in app.basis and app.c. Changes nothing.
double basis_value(double x, double r);
